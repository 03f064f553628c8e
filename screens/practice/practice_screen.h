// SPDX-License-Identifier: MIT
#pragma once
// The character practice screen: a chart of 104 kana, a prompt taken from the practice data, and the player
// clicks the kana that matches the prompt. A timed run ends after 205 ticks of the run clock with a verdict;
// an untimed run ends when every kana but one has been found, or when the player leaves.
#include "screens/practice/practice_screen_definition.h"
#include "screens/practice/rules.h"
#include "services/data/practicedata.h"
#include "services/sound/sound.h"
#include "toolkit/screen.h"
#include <array>
#include <cstdint>
#include <map>
#include <string>

class Navigator;

class PracticeScreen : public toolkit::Screen {
public:
    explicit PracticeScreen(Navigator& navigator);

    // Handlers, called by the window's events and directly by tests.
    void onChartLabelClicked(std::int16_t index);
    void onStartClicked();
    void onBeginClicked();
    void onTargetTick();
    void onClockTick();
    void onBeginnerMenu();
    void onIntermediateMenu();
    void onAdvancedMenu();
    void onNoTimeMenu(std::int16_t index);
    void onWeakMenu();
    void onQuitPracticeMenu();
    bool onKeyDown(const toolkit::KeyPress& key); // typing the romaji of a kana; true when the key was taken

    // The screen's own procedures.
    void chooseTarget();
    // Stops both timers, closes the screen and brings back the main game screen with the chart hidden.
    void leave();

    // Asks for a sound cue (the main screen's two cheering cues) and goes on at once.
    void play(Cue cue);

    const PracticeScreenControls& controls() const { return c; }

    // The practice as it stands: it outlives the window; a load resets only some of it.
    struct State {
        PracticeTable table;
        std::int16_t targetIndex = 0;
        std::string targetPrompt;
        std::string targetAnswer;
        std::int16_t correctCount = 0;
        std::int16_t tickCount = 0;
        std::int16_t tickLimit = practice::runTicks;
        bool untimed = false;
        // にがてを れんしゅう chosen for this visit: the kana the player misses are drawn more often.
        bool weakDeal = false;
        std::string verdictText;
        // What the chart shows, kept here so answers are judged from the screen's own state: the kana
        // answered in this visit, and each chart label's caption (its kana, or the prompt once it is
        // answered). A new window starts with none answered and every kana in place.
        practice::AnsweredKana answeredKana;
        std::array<std::string, practice::chartSize> chartCaptions;
        // The romaji typed so far towards a kana; a new window starts with none.
        std::string typedLetters;
        // For the record: when the prompt in play was shown, and whether a wrong kana was clicked for it.
        std::int64_t promptShownAt = 0;
        bool promptMissed = false;
    };
    const State& state() const { return s; }

protected:
    std::unique_ptr<toolkit::Window> build() override;
    void onLoad() override;
    void forgetControls() override { c = PracticeScreenControls{}; }
    // Closing the window from its frame leaves as "終わる" does, so the main screen comes back.
    void closeRequested() override { leave(); }
    // The chart window the visit shows is to be read while practising: the practice window stands beside it.
    const toolkit::Window* standBeside() const override;

private:
    void chooseLevel(practice::Level level, toolkit::MenuItem* chosen);
    void dropLevelItem(toolkit::MenuItem* item);
    void typed(const practice::Typing& typing);
    // The prompt in play was answered right: the record keeps its kana, whether it was right at the first
    // click, and how long it took; the next prompt's time starts.
    void recordPrompt();
    void promptShown();
    // The review box of each kana the player misses (the practice prompts and the syllables of words).
    std::map<std::string, int> weakKana() const;

    Navigator& navigator_;
    PracticeScreenControls c;
    State s;
    // True from the moment a verdict is being given until the visit ends: late ticks are ignored.
    bool verdictGiven_ = false;
};
