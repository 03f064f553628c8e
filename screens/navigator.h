// SPDX-License-Identifier: MIT
#pragma once
// Which screen shows when. A screen asks for a step of the game's way through its screens (opening → main →
// practice → main) by name; the program object, which owns the screens, knows what each step shows, hides
// and closes, and in which order. A screen never shows or hides another screen itself.
#include "screens/services.h"
#include "services/record/record.h"
#include "services/romaji/romaji.h"
#include "toolkit/screen.h"

class Navigator : public toolkit::ScreenHost {
public:
    virtual const Services& services() const = 0;

    // The opening plays, in front: at the start of a game, from the maker's menu, as a practice's reward.
    virtual void playOpening() = 0;
    // The opening has closed itself: the main screen comes up, created afresh if the game had ended.
    virtual void openingOver() = 0;

    // The chart window is made, hidden, when the main screen loads; its menu item shows and hides it.
    virtual void prepareChart() = 0;
    virtual void showChart(bool shown) = 0;
    // The window the practice screen stands beside, when the screen is wide enough for both.
    virtual const toolkit::Window* chartFrame() = 0;

    // A practice visit: asked for from the main screen's menu; when it loads, the main screen goes and the
    // chart comes beside it; when it is over, the main screen comes back, the chart goes and its menu item
    // offers it again.
    virtual void openPractice() = 0;
    virtual void practiceStarting() = 0;
    virtual void practiceOver() = 0;
    // After a finished practice the main screen has come up over the opening that rewards it: the opening
    // belongs in front until it closes itself.
    virtual void keepOpeningInFront() = 0;

    // The player quits: every window closes, an opening still playing too (it would bring a game back).
    virtual void quit() = 0;
    // The fifth lost creature ended the game: the main screen, the chart and the practice screen close.
    virtual void gameOver() = 0;

    // How answers and prompts are spelt: the player's choice, remembered for the next start. A new choice
    // takes effect with the next word.
    virtual romaji::Spelling spelling() const = 0;
    virtual void chooseSpelling(romaji::Spelling spelling) = 0;

    // How the game looks and moves (toolkit/look.h): the player's choice from the 見え方 menu, remembered
    // for the next start; a choice the player has never made follows what the system asks for.
    virtual toolkit::Look look() const = 0;
    virtual void chooseLook(const toolkit::Look& look) = 0;

    // The learning record, read from the store as the game starts (the game plays meanwhile), and the player
    // it is kept for: the one chosen last time, or the first.
    virtual record::Record& record() = 0;
    virtual record::PlayerId player() const = 0;
    virtual void choosePlayer(record::PlayerId id) = 0;
    // The time of day, in seconds since 1970.
    virtual record::Time now() const = 0;
    // きろく: the player's record, drawn in a window of its own.
    virtual void showRecord() = 0;
};
