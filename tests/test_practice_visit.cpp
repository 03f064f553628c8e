// SPDX-License-Identifier: MIT
// A visit to the practice screen: what opening it does to the other windows and the counters, the way back
// to the main screen by the "終わる" item and the leaving steps' effects on the chart, and what carries over
// from one visit to the next. The way back by the window's close box is checked on the desktop, in
// qt/test_screens_drawn.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {
void verifyBackOnMainScreen(GameFixture& game) {
    Program& p = *game.program;
    ASSERT_TRUE(!p.practiceScreen().isLoaded());
    ASSERT_TRUE(p.mainScreen().isVisible());
    ASSERT_TRUE(p.chartWindow().isLoaded());
    ASSERT_TRUE(!p.chartWindow().isVisible());
    ASSERT_EQ(p.mainScreen().controls().chartMenuItem->text(), "ローマ字表"s);
}
} // namespace

TEST(PracticeVisit, openingHidesTheGameAndShowsTheChart) {
    GameFixture game;
    game.writeText("romajimojiren.txt"s, fullPracticeData());
    game.start();
    Program& p = *game.program;
    p.mainScreen().show();
    ASSERT_TRUE(!p.chartWindow().isVisible());
    p.mainScreen().onPracticeMenu();
    PracticeScreen& r = p.practiceScreen();
    ASSERT_TRUE(r.isVisible());
    ASSERT_TRUE(!p.mainScreen().isVisible());
    ASSERT_TRUE(p.chartWindow().isVisible()); // shown although the chart was hidden before
    ASSERT_TRUE(r.controls().startButton->isVisible());
    ASSERT_EQ(r.state().correctCount, 0);
    ASSERT_EQ(r.state().tickCount, 0);
    ASSERT_EQ(r.state().tickLimit, 205);
    ASSERT_TRUE(!r.state().untimed);
    ASSERT_EQ(r.state().table.recordCount, 104);
    // The load chooses no target: the prompt stays empty until a run starts or the target timer ticks.
    ASSERT_EQ(r.controls().promptLabel->text(), std::string());
    ASSERT_TRUE(!r.controls().targetTimer->isEnabled());
    ASSERT_TRUE(r.controls().runClock->isEnabled());
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(PracticeVisit, leavingBringsBackTheGame) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    const int loaded = p.loadedScreens();
    r.onAdvancedMenu();
    r.onStartClicked();
    r.onQuitPracticeMenu();
    verifyBackOnMainScreen(game);
    ASSERT_EQ(p.loadedScreens(), loaded - 1);

    // The chart is hidden on the way back even when the player had it shown before the visit, and the chart
    // item offers to show it again.
    p.mainScreen().onChartMenu();
    ASSERT_TRUE(p.chartWindow().isVisible());
    ASSERT_EQ(p.mainScreen().controls().chartMenuItem->text(), "表を消す"s);
    p.mainScreen().onPracticeMenu();
    ASSERT_TRUE(r.isLoaded());
    r.onQuitPracticeMenu();
    verifyBackOnMainScreen(game);
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(PracticeVisit, targetAndTextsCarryOverCountsAndMarksDoNot) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    r.onStartClicked();
    ASSERT_EQ(r.state().targetIndex, 0); // the first target of a program run is record 0
    ASSERT_EQ(r.controls().promptLabel->text(), promptFor(0));
    for (int k = 0; k < 12; ++k)
        answerCurrentTarget(r);
    const std::int16_t lastTarget = r.state().targetIndex;
    const std::string lastPrompt = r.state().targetPrompt;
    ASSERT_TRUE(lastTarget != 0);
    r.onChartLabelClicked(49); // を, most likely a wrong click
    r.onQuitPracticeMenu();
    ASSERT_EQ(r.state().targetIndex, lastTarget);

    game.program->mainScreen().onPracticeMenu();
    ASSERT_TRUE(r.isVisible());
    ASSERT_EQ(r.state().correctCount, 0);
    ASSERT_EQ(r.state().tickCount, 0);
    ASSERT_EQ(r.state().targetIndex, lastTarget);
    ASSERT_EQ(r.state().targetPrompt, lastPrompt);
    ASSERT_TRUE(r.state().answeredKana.none());
    for (const ExpectedChartLabel& e : expectedChart()) {
        ASSERT_EQ(r.controls().chartLabels(e.index)->text(), e.kana);
        ASSERT_EQ(r.state().chartCaptions[static_cast<std::size_t>(e.index)], e.kana);
        ASSERT_EQ(r.controls().chartLabels(e.index)->backColor(), (toolkit::Colour{255, 255, 255}));
    }
    ASSERT_EQ(r.controls().countLabel->text(), std::string());
    ASSERT_EQ(r.controls().statusLabel->text(), "「級」は？"s);
    for (toolkit::MenuItem* item :
         {r.controls().beginnerMenuItem, r.controls().intermediateMenuItem, r.controls().advancedMenuItem})
        ASSERT_TRUE(item->isVisible() && item->isEnabled());
    // The first target of the new visit is where the last one ended, not record 0.
    r.onStartClicked();
    ASSERT_EQ(r.state().targetIndex, lastTarget);
    ASSERT_EQ(r.controls().promptLabel->text(), lastPrompt);
    // The answer is still set from the last visit, so the first click of this visit can already count.
    answerCurrentTarget(r);
    ASSERT_EQ(r.state().correctCount, 1);
    ASSERT_TRUE(game.errors.details.empty());
}
