// SPDX-License-Identifier: MIT
// The end of a timed run: the time display counting down, the verdict box, the way back to the main screen,
// and that the verdict comes once per visit and never in an untimed run. The verdict bands themselves are
// checked in test_practice_rules.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(PracticeVerdict, verdictAfterTheLastTick) {
    // Counts reached by real answers; 31 right answers give "まだまだ！".
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    r.onStartClicked();
    for (int k = 0; k < 31; ++k)
        answerCurrentTarget(r);
    std::string timeShownInBox;
    game.messageBox.whileOpen = [&] { timeShownInBox = r.controls().statusLabel->text(); };
    for (int k = 0; k < 204; ++k)
        r.onClockTick();
    ASSERT_TRUE(game.messageBox.shown.empty());
    ASSERT_EQ(r.controls().statusLabel->text(), "あと1タイム"s);
    r.onClockTick();
    ASSERT_EQ(timeShownInBox, "あと0タイム"s);
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    ASSERT_EQ(game.messageBox.shown[0].text, "まだまだ！"s);
    ASSERT_EQ(game.messageBox.shown[0].title, "はんてい"s);
    ASSERT_TRUE(game.messageBox.shown[0].icon == toolkit::MessageIcon::stop);
    ASSERT_EQ(r.state().verdictText, "まだまだ！"s);
    ASSERT_TRUE(!r.isLoaded());
    ASSERT_TRUE(p.mainScreen().isVisible());
    ASSERT_TRUE(!p.chartWindow().isVisible());
    ASSERT_EQ(p.mainScreen().controls().chartMenuItem->text(), "ローマ字表"s);

    // A visit with no choice at all still ends 205 ticks after the screen opened.
    p.mainScreen().onPracticeMenu();
    for (int k = 0; k < 205; ++k)
        r.onClockTick();
    ASSERT_EQ(game.messageBox.shown.size(), 2u);
    ASSERT_EQ(game.messageBox.shown[1].text, "特訓がいるぞ！"s);
    ASSERT_TRUE(!r.isLoaded());
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(PracticeVerdict, noSecondVerdictWhileTheBoxIsOpen) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    r.onStartClicked();
    const int loaded = p.loadedScreens();
    bool timersStopped = false;
    std::string timeShown;
    game.messageBox.whileOpen = [&] {
        timersStopped = !r.controls().targetTimer->isEnabled() && !r.controls().runClock->isEnabled();
        // Ticks that still arrive while the box is open: the clock's change nothing, the target timer's only
        // show the prompt again.
        for (int k = 0; k < 5; ++k) {
            r.onClockTick();
            r.onTargetTick();
        }
        timeShown = r.controls().statusLabel->text();
    };
    for (int k = 0; k < 205; ++k)
        r.onClockTick();
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    ASSERT_TRUE(timersStopped);
    ASSERT_EQ(timeShown, "あと0タイム"s);
    ASSERT_EQ(r.state().tickCount, 205);
    ASSERT_EQ(p.loadedScreens(), loaded - 1); // the leaving steps ran once
    ASSERT_TRUE(p.mainScreen().isVisible());
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(PracticeVerdict, untimedRunNeverGivesAVerdict) {
    {
        // After "タイムなし", the clock still runs until the begin button: reaching 205 gives the verdict.
        GameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        r.onNoTimeMenu(0);
        for (int k = 0; k < 205; ++k)
            r.onClockTick();
        ASSERT_EQ(game.messageBox.shown.size(), 1u);
        ASSERT_TRUE(!r.isLoaded());
    }
    {
        // After the begin button both timers are off for good: answers do not start them again.
        GameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        r.onNoTimeMenu(0);
        r.onBeginClicked();
        for (int k = 0; k < 60; ++k)
            answerCurrentTarget(r);
        ASSERT_TRUE(!r.controls().targetTimer->isEnabled());
        ASSERT_TRUE(!r.controls().runClock->isEnabled());
        ASSERT_TRUE(r.controls().statusLabel->isHidden());
        ASSERT_TRUE(game.messageBox.shown.empty());
        ASSERT_TRUE(r.isLoaded());
    }
}
