// SPDX-License-Identifier: MIT
// Choosing how to practise: the three levels and their clock speeds, "タイムなし" and the begin button,
// START with and without a level, and the run clock counting from the moment the screen opened.
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(PracticeLevels, levelItemsSetTheClock) {
    struct Level {
        void (PracticeScreen::*click)();
        toolkit::MenuItem* PracticeScreenControls::*item;
        int ms;
        std::string confirmation, name;
    };
    const std::vector<Level> levels = {
        {&PracticeScreen::onBeginnerMenu, &PracticeScreenControls::beginnerMenuItem, 3000, "初級ですね",
         "初級"},
        {&PracticeScreen::onIntermediateMenu, &PracticeScreenControls::intermediateMenuItem, 2000,
         "中級ですね", "中級"},
        {&PracticeScreen::onAdvancedMenu, &PracticeScreenControls::advancedMenuItem, 1000, "上級ですね",
         "上級"},
    };
    for (const Level& level : levels) {
        SCOPED_TRACE(level.name);
        GameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        const PracticeScreenControls& c = r.controls();
        r.onClockTick();
        // Twice: a level that stays in the menu can be chosen again with the same effect.
        for (int again = 0; again < 2; ++again) {
            (r.*level.click)();
            ASSERT_TRUE(c.targetTimer->isEnabled());
            ASSERT_TRUE(c.runClock->isEnabled());
            ASSERT_EQ(c.runClock->interval(), level.ms);
            ASSERT_EQ(c.statusLabel->text(), level.confirmation);
            ASSERT_EQ(c.levelLabel->text(), level.name);
            for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem}) {
                const bool chosen = item == c.*level.item;
                ASSERT_EQ(item->isVisible(), chosen);
                ASSERT_EQ(item->isEnabled(), chosen);
            }
            ASSERT_TRUE(c.noTimeMenuItems(0)->isVisible() && c.quitPracticeMenuItem->isVisible());
            ASSERT_TRUE(c.startButton->isVisible());
            ASSERT_EQ(r.state().tickCount, 1); // a level does not restart the count
        }
        // The target timer's first tick shows the visit's first target before START.
        ASSERT_EQ(c.promptLabel->text(), std::string());
        r.onTargetTick();
        ASSERT_EQ(c.promptLabel->text(), promptFor(0));
        // The confirmation stays only until the clock's next tick.
        r.onClockTick();
        ASSERT_EQ(c.statusLabel->text(), "あと203タイム"s);
    }
}

TEST(PracticeLevels, startWithoutLevel) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    for (int k = 0; k < 3; ++k)
        r.onClockTick();
    r.onStartClicked();
    ASSERT_TRUE(c.targetTimer->isEnabled());
    ASSERT_TRUE(c.runClock->isEnabled());
    ASSERT_EQ(c.runClock->interval(), 1000);
    ASSERT_TRUE(c.startButton->isHidden());
    ASSERT_TRUE(c.instructionLabel->isHidden());
    ASSERT_EQ(c.levelLabel->text(), std::string());
    ASSERT_EQ(c.promptLabel->text(), promptFor(0));
    ASSERT_EQ(r.state().tickCount, 3);
    // The levels stay available during the run; one chosen now only changes the speed of later ticks.
    for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem})
        ASSERT_TRUE(item->isVisible() && item->isEnabled());
    r.onIntermediateMenu();
    ASSERT_EQ(r.state().tickCount, 3);
    ASSERT_EQ(c.runClock->interval(), 2000);
    ASSERT_EQ(c.statusLabel->text(), "中級ですね"s);
    c.weakMenuItem->trigger(); // which kana come, not how fast
    ASSERT_TRUE(r.state().weakDeal && c.weakMenuItem->isChecked() && c.runClock->interval() == 2000);
}

TEST(PracticeLevels, noTimeThenBegin) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    r.onBeginnerMenu();
    r.onNoTimeMenu(0);
    ASSERT_EQ(c.levelLabel->text(), "がんばれ"s);
    ASSERT_TRUE(c.instructionLabel->isHidden());
    ASSERT_TRUE(c.statusLabel->isHidden());
    ASSERT_TRUE(c.startButton->isHidden());
    ASSERT_TRUE(c.beginButton->isVisible());
    for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem})
        ASSERT_TRUE(!item->isVisible() && !item->isEnabled());
    ASSERT_TRUE(c.noTimeMenuItems(0)->isVisible() && c.noTimeMenuItems(0)->isEnabled());
    // "No time" alone stops nothing: the clock goes on counting into the hidden time display.
    ASSERT_TRUE(c.targetTimer->isEnabled());
    ASSERT_TRUE(c.runClock->isEnabled());
    r.onClockTick();
    ASSERT_EQ(r.state().tickCount, 1);
    ASSERT_EQ(c.statusLabel->text(), "あと204タイム"s);
    ASSERT_TRUE(!r.state().untimed);

    r.onBeginClicked();
    ASSERT_TRUE(!c.targetTimer->isEnabled());
    ASSERT_TRUE(!c.runClock->isEnabled());
    ASSERT_TRUE(c.beginButton->isHidden());
    ASSERT_TRUE(c.statusLabel->isHidden());
    ASSERT_TRUE(r.state().untimed);
    ASSERT_EQ(c.promptLabel->text(), promptFor(0));
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(PracticeLevels, clockCountsFromTheLoad) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    r.onClockTick();
    ASSERT_EQ(c.statusLabel->text(), "あと204タイム"s);
    for (int k = 1; k < 100; ++k)
        r.onClockTick();
    // "初級" after 100 ticks at one a second leaves 105 ticks at three seconds each.
    r.onBeginnerMenu();
    ASSERT_EQ(r.state().tickCount, 100);
    ASSERT_EQ(c.runClock->interval(), 3000);
    for (int k = 0; k < 104; ++k)
        r.onClockTick();
    ASSERT_EQ(c.statusLabel->text(), "あと1タイム"s);
    ASSERT_TRUE(game.messageBox.shown.empty());
    ASSERT_TRUE(r.isLoaded());
    r.onClockTick();
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    ASSERT_TRUE(!r.isLoaded());
}
