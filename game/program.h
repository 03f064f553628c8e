// SPDX-License-Identifier: MIT
#pragma once
// The program object: builds the four screens, hands them the services, leads the game from screen to screen
// (the steps are in navigation.cpp), counts loaded screens and announces the end of the program when the last
// one closes.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/navigator.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "screens/record/record_window.h"
#include <functional>
#include <memory>
#include <optional>

class Program : public Navigator {
public:
    Program(Services services, toolkit::ErrorReporter& errors, toolkit::Display& display);
    ~Program() override;

    // Creates the main screen (hidden); its load step shows the opening screen.
    void start();

    MainScreen& mainScreen() { return *mainScreen_; }
    ChartWindow& chartWindow() { return *chartWindow_; }
    PracticeScreen& practiceScreen() { return *practiceScreen_; }
    OpeningScreen& openingScreen() { return *openingScreen_; }
    const Services& services() const override { return services_; }

    void playOpening() override;
    void openingOver() override;
    void prepareChart() override;
    void showChart(bool shown) override;
    const toolkit::Window* chartFrame() override;
    void openPractice() override;
    void practiceStarting() override;
    void practiceOver() override;
    void keepOpeningInFront() override;
    void quit() override;
    void gameOver() override;
    romaji::Spelling spelling() const override { return spelling_; }
    void chooseSpelling(romaji::Spelling spelling) override;
    toolkit::Look look() const override;
    void chooseLook(const toolkit::Look& look) override;
    // What the system asks for (a high-contrast theme, reduced motion), for each choice the player has not
    // made; a front end hands it in at the start and whenever the system's setting changes.
    void followSystemLook(const toolkit::Look& asked);
    record::Record& record() override { return record_; }
    record::PlayerId player() const override { return player_; }
    void choosePlayer(record::PlayerId id) override;
    record::Time now() const override;
    void showRecord() override;
    RecordWindow& recordWindow() { return *recordWindow_; }

    int loadedScreens() const { return loaded_; }
    // Called when no screen is loaded any more: the program ends.
    std::function<void()> onLastScreenClosed;

    void screenLoaded() override { ++loaded_; }
    void screenUnloaded() override;
    toolkit::Guard& guard() override { return guard_; }
    toolkit::Display& display() override { return display_; }

private:
    // Closes every loaded screen but the spared one, in one order: the chart, the main screen, the practice
    // screen, the opening.
    void closeScreens(const toolkit::Screen* spared);
    void recordLoaded(const record::Loaded& loaded);
    Services services_;
    record::Record record_;
    record::PlayerId player_ = record::firstPlayer;
    toolkit::Guard guard_;
    toolkit::Display& display_;
    int loaded_ = 0;
    romaji::Spelling spelling_ = romaji::Spelling::kunrei;
    std::optional<bool> clearColoursChosen_, lessMotionChosen_; // none: never chosen
    toolkit::Look systemLook_;
    std::unique_ptr<MainScreen> mainScreen_;
    std::unique_ptr<ChartWindow> chartWindow_;
    std::unique_ptr<PracticeScreen> practiceScreen_;
    std::unique_ptr<OpeningScreen> openingScreen_;
    std::unique_ptr<RecordWindow> recordWindow_;
};
