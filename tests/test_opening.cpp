// SPDX-License-Identifier: MIT
// The opening screen: the tick schedule (intervals, one ball at a time, the globe and the title at the
// twelfth tick), its end in the 26th tick bringing up the main screen (created afresh when it had been
// closed), a second show while it plays, and a close from its window frame. Its load step as the desktop
// shows it and its real timer are checked in qt/test_screens_drawn.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include <gtest/gtest.h>

namespace {
// Runs ticks until the opening is no longer loaded, at most limit ticks; returns the ticks run.
int tickToEnd(OpeningScreen& opening, int limit = 100) {
    int ticks = 0;
    while (opening.isLoaded() && ticks < limit) {
        opening.onAnimationTick();
        ++ticks;
    }
    return ticks;
}
} // namespace

TEST(Opening, tickScheduleShowsOneBallAtATime) {
    GameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    const MainScreen& main = game.program->mainScreen();
    const OpeningScreenControls& c = opening.controls();
    const int intervals[12] = {50, 50, 51, 53, 55, 58, 62, 66, 71, 77, 83, 90};
    for (int tick = 1; tick <= 25; ++tick) {
        opening.onAnimationTick();
        ASSERT_TRUE(opening.isLoaded()) << tick;
        const int ball = std::min(tick, 12) - 1;
        ASSERT_EQ(c.animationTimer->interval(), intervals[ball]);
        ASSERT_EQ(opening.ticks(), std::int16_t(tick < 12 ? tick : tick + 1));
        for (std::int16_t i = 0; i < 12; ++i) {
            ASSERT_EQ(c.balls(i)->isHidden(), i != ball);
            ASSERT_EQ(c.footprintCovers(i)->isHidden(), i <= ball);
        }
        ASSERT_EQ(c.titleCover->isHidden(), tick >= 12);
        ASSERT_TRUE(!main.isVisible());
    }
    opening.onAnimationTick(); // the 26th tick
    ASSERT_TRUE(!opening.isLoaded());
    ASSERT_TRUE(main.isVisible());
    ASSERT_EQ(game.program->loadedScreens(), 2); // the main screen and the hidden chart
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(Opening, endRecreatesAClosedMainScreen) {
    GameFixture game;
    game.start();
    MainScreen& main = game.program->mainScreen();
    OpeningScreen& opening = game.program->openingScreen();
    main.close();
    main.setScoreForTests(99); // the load step puts it back to 0
    for (int tick = 0; tick < 25; ++tick)
        opening.onAnimationTick();
    ASSERT_TRUE(!main.isLoaded());
    opening.onAnimationTick();
    ASSERT_TRUE(main.isLoaded());
    ASSERT_TRUE(main.isVisible());
    ASSERT_EQ(main.state().score, std::int16_t(0));
    // The new main screen's load step starts the opening once more, from the beginning.
    ASSERT_TRUE(opening.isLoaded());
    ASSERT_TRUE(opening.isVisible());
    ASSERT_EQ(opening.ticks(), std::int16_t(0));
    ASSERT_TRUE(opening.controls().balls(0)->isHidden());
    // The main screen already showing, the next end only makes it visible again.
    const int questionsBefore = main.state().questionCount;
    ASSERT_EQ(tickToEnd(opening), 26);
    ASSERT_TRUE(main.isVisible());
    ASSERT_EQ(main.state().questionCount, questionsBefore);
    ASSERT_TRUE(!opening.isLoaded());
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(Opening, showingWhilePlayingDoesNotRestart) {
    GameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    for (int tick = 0; tick < 5; ++tick)
        opening.onAnimationTick();
    const int loaded = game.program->loadedScreens();
    game.program->mainScreen().onOpeningMenu();
    ASSERT_EQ(opening.ticks(), std::int16_t(5));
    ASSERT_TRUE(!opening.controls().balls(4)->isHidden());
    ASSERT_TRUE(opening.controls().footprintCovers(4)->isHidden());
    ASSERT_EQ(game.program->loadedScreens(), loaded);
    ASSERT_EQ(tickToEnd(opening), 21);
}

TEST(Opening, closingTheWindowEndsTheOpening) {
    GameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    opening.onAnimationTick();
    opening.window()->closeRequested(); // as from the window frame
    ASSERT_TRUE(!opening.isLoaded());
    ASSERT_TRUE(game.program->mainScreen().isVisible());
    ASSERT_TRUE(game.errors.details.empty());
}

// With less motion the opening shows its last picture, the globe and the title, from the start, and ends
// on the same tick as ever.
TEST(Opening, lessMotionShowsTheLastPictureAtOnce) {
    GameFixture game;
    game.program->chooseLook({false, true});
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    const OpeningScreenControls& c = opening.controls();
    for (int tick = 0; tick <= 25; ++tick, opening.onAnimationTick())
        for (std::int16_t i = 0; i < 12; ++i)
            ASSERT_TRUE(c.balls(i)->isHidden() == (i != 11) && c.footprintCovers(i)->isHidden() &&
                        c.titleCover->isHidden());
    ASSERT_TRUE(!opening.isLoaded());
}
