// SPDX-License-Identifier: MIT
// The chase tick: creatures run at score / 2 + their speed while the score is above zero, corners apply two
// edges in one tick, the eat zone's four strict bounds, the cost of a lost creature, the return of a caught
// one, the praise stamp's four ticks, the graded end of the game with its single result box (no tick may
// start while it is open), and the chase going on while the main screen is hidden. The clockwise run round
// the track, down to the pixel the desktop puts a creature on, is in tests/qt/test_main_drawn.cpp.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

// A game one step before its end: four creatures lost already, creature 0 standing in the eat zone.
void oneLossFromTheEnd(MainScreen& f, int scoreBefore) {
    f.setEatenCountForTests(4);
    f.setScoreForTests(scoreBefore);
    placeCreature(f, 0, 400, 800);
}

// A tick of a timer, as the front end's clock makes it while the timer runs.
void tickIfRunning(const toolkit::Timer* timer) {
    if (timer->isEnabled()) timer->tick();
}

} // namespace

TEST(Chase, bigStepsAndOvershoot) {
    auto run = [](int score, Place from, std::vector<Place> expected) {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        f.setCreatureSpeedForTests(0, 10);
        f.setScoreForTests(score);
        placeCreature(f, 0, from.left, from.top);
        for (const Place& next : expected) {
            f.onChaseTick();
            ASSERT_EQ(where(f, 0), next);
        }
        ASSERT_EQ(f.state().eatenCount, 0);
        ASSERT_EQ(f.state().score, score);
        ASSERT_TRUE(!f.controls().creatures(0)->isHidden());
    };
    // Turning up at Left -400, beside the cliff: the lap goes on up the left side and right along the top.
    run(1180, {200, 1100}, {{-400, 500}, {-400, -100}, {200, -100}, {800, -100}});
    // A step taller than the cliff jumps over it.
    run(980, {50, 1050}, {{50, 550}, {50, 50}, {550, 50}});
    // Overshooting past -1000 leaves the left edge behind: on it runs, out of sight.
    run(2380, {150, 1100}, {{-1050, 1100}, {-2250, 1100}, {-3450, 1100}});
}

TEST(Chase, eatZoneHasStrictBounds) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const Place inside[] = {{400, 600.5}, {400, 999.5}, {-299.5, 800}, {799.5, 800}};
    const Place outside[] = {{400, 600}, {400, 1000}, {-300, 800}, {800, 800}};
    for (int i = 0; i < 4; ++i) {
        placeCreature(f, static_cast<std::int16_t>(i), inside[i].left, inside[i].top, i != 3); // 3 is hidden
        placeCreature(f, static_cast<std::int16_t>(4 + i), outside[i].left, outside[i].top);
    }
    f.setScoreForTests(0);
    f.onChaseTick();
    ASSERT_EQ(f.state().eatenCount, 4);
    ASSERT_EQ(f.state().score, -120);
    ASSERT_EQ(c.scoreLabel->text(), "-120"s);
    ASSERT_EQ(game.sound.played, std::vector<Cue>(4, Cue::Eaten));
    const std::string eatenMark = c.eatenMark->picture();
    ASSERT_TRUE(!c.eatenMark->picture().empty());
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(c.creatures(i)->isHidden());
        ASSERT_EQ(where(f, i), (Place{-2000, -2000}));
        ASSERT_TRUE(!c.creatures(i)->isEnabled());
        ASSERT_EQ(c.parkingSlots(i)->picture(), eatenMark);
        ASSERT_TRUE(!c.parkingSlots(i)->isEnabled());
        ASSERT_EQ(where(f, 4 + i), outside[i]);
        ASSERT_TRUE(!c.creatures(4 + i)->isHidden());
        ASSERT_TRUE(c.creatures(4 + i)->isEnabled());
        ASSERT_TRUE(c.parkingSlots(4 + i)->picture().empty());
        ASSERT_TRUE(c.parkingSlots(4 + i)->isEnabled());
    }
    // A lost creature cannot be clicked: its box ignores the mouse.
    game.sound.played.clear();
    placeCreature(f, 0, 3000, 500);
    f.show();
    click(c.creatures(0));
    ASSERT_TRUE(game.sound.played.empty());
}

TEST(Chase, nothingMovesAtZeroOrBelow) {
    for (const int score : {0, -10}) {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        const auto& c = f.controls();
        f.setScoreForTests(score);
        placeCreature(f, 0, 100, 100);
        placeCreature(f, 1, 400, 800, false); // hidden, in the zone: still eaten
        f.parkCreatureForTests(2, 18);
        c.praiseStamp->show();
        f.setPraiseTicksForTests(0);
        for (int tick = 1; tick <= 6; ++tick) {
            f.onChaseTick();
            ASSERT_EQ(c.praiseStamp->isHidden(), tick >= 4); // the stamp goes on the fourth tick
            ASSERT_EQ(where(f, 0), (Place{100, 100}));
            ASSERT_EQ(c.creatures(2)->isHidden(), tick < 2); // returns on its twentieth count
        }
        ASSERT_EQ(f.state().eatenCount, 1);
        ASSERT_EQ(f.state().score, score - 30);
        ASSERT_EQ(where(f, 2), (Place{100, 100}));
        ASSERT_EQ(f.state().praiseStampTicks, 4); // counting stops there
    }
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.setPraiseTicksForTests(32767); // a game left alone for hours: no overflow
    f.onChaseTick();
    ASSERT_EQ(f.state().praiseStampTicks, 32767);
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(Chase, caughtCreatureComesBackAfterTwentyTicks) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string rabbit = c.creatures(3)->picture();
    f.setScoreForTests(50);
    f.setCreatureSpeedForTests(3, 5);
    placeCreature(f, 3, 3000, 500);
    f.onCreatureClicked(3);
    for (int step = 0; step < 9; ++step)
        f.onCatchTick();
    ASSERT_EQ(f.state().returnTicks[3], 1);
    c.creatures(3)->setEnabled(false); // the return leaves Enabled alone
    for (int tick = 1; tick <= 18; ++tick) {
        f.onChaseTick();
        ASSERT_TRUE(c.creatures(3)->isHidden());
    }
    ASSERT_EQ(f.state().returnTicks[3], 19);
    ASSERT_EQ(c.parkingSlots(3)->picture(), rabbit);
    f.onChaseTick();
    ASSERT_TRUE(!c.creatures(3)->isHidden());  // visible although 50 is below its threshold of 110
    ASSERT_EQ(where(f, 3), (Place{100, 100})); // no move on the tick it returns
    ASSERT_EQ(c.creatures(3)->picture(), rabbit);
    ASSERT_TRUE(c.parkingSlots(3)->picture().empty());
    ASSERT_EQ(f.state().returnTicks[3], 0);
    ASSERT_TRUE(!c.creatures(3)->isEnabled());
    f.onChaseTick();
    ASSERT_EQ(where(f, 3), (Place{130, 100}));
    for (int tick = 0; tick < 30; ++tick)
        f.onChaseTick();
    ASSERT_EQ(f.state().returnTicks[3], 0); // it comes back once only
}

TEST(Chase, twoLostInOneTick) {
    {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        f.setScoreForTests(100); // both stand off every edge, so neither moves
        placeCreature(f, 2, 400, 800);
        placeCreature(f, 5, 500, 700);
        f.onChaseTick();
        ASSERT_EQ(f.state().score, 40);
        ASSERT_EQ(f.state().eatenCount, 2);
        ASSERT_EQ(game.sound.played, (std::vector<Cue>{Cue::Eaten, Cue::Eaten}));
    }
    // The fifth loss is the first of the two: the second is never looked at.
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    game.writeText("romajimojiren.txt"s, "a,あ,0\r\n"s);
    f.onPracticeMenu();
    ASSERT_TRUE(game.program->practiceScreen().isLoaded());
    oneLossFromTheEnd(f, 230);
    placeCreature(f, 5, 500, 700);
    bool loadedWhileOpen = false;
    game.messageBox.whileOpen = [&] {
        loadedWhileOpen = f.isLoaded() && game.program->chartWindow().isLoaded() &&
                          game.program->practiceScreen().isLoaded();
    };
    f.onChaseTick();
    ASSERT_EQ(f.state().eatenCount, 5);
    ASSERT_EQ(f.state().score, 200);
    ASSERT_EQ(game.sound.played, (std::vector<Cue>{Cue::Eaten, Cue::GameOver}));
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    ASSERT_TRUE(loadedWhileOpen); // the screens close only once the box is dismissed
    ASSERT_TRUE(!f.isLoaded());
    ASSERT_TRUE(!game.program->chartWindow().isLoaded());
    ASSERT_TRUE(!game.program->practiceScreen().isLoaded());
    ASSERT_TRUE(game.program->openingScreen().isLoaded()); // the opening screen is left playing
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(Chase, resultIsGradedByTheScore) {
    const struct {
        int score;
        std::string text;
    } cases[] = {
        {601, "さすがじゃ！"s}, {600, "そこそこだなぁ！"s}, {451, "そこそこだなぁ！"s}, {450, "まだまだ！"s},
        {200, "まだまだ！"s},   {199, "特訓がいるぞ！"s},   {-100, "特訓がいるぞ！"s},
    };
    for (const auto& c : cases) {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        oneLossFromTheEnd(f, c.score + 30);
        f.onChaseTick();
        ASSERT_EQ(game.messageBox.shown.size(), 1u);
        ASSERT_EQ(game.messageBox.shown[0].text, c.text);
        ASSERT_EQ(game.messageBox.shown[0].title, "結果"s);
        ASSERT_TRUE(game.messageBox.shown[0].icon == toolkit::MessageIcon::stop);
        ASSERT_EQ(f.state().resultText, c.text);
        ASSERT_TRUE(!f.isLoaded());
    }
}

TEST(Chase, noTickWhileTheResultIsOpen) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    oneLossFromTheEnd(f, 300);
    placeCreature(f, 1, 400, 800); // would be the sixth loss
    int ticksTried = 0;
    // The running timer's ticks reach the screen's handler through the guard, as the window connects them,
    // and are counted on the way.
    int timerTicks = 0;
    f.controls().chaseTimer->tick.connect([&] {
        ++timerTicks;
        game.program->guard().run([&] { f.onChaseTick(); });
    });
    game.messageBox.whileOpen = [&] {
        // Ticks arrive while the box is open: some called at once, some from the running timer.
        for (int k = 0; k < 3; ++k) {
            f.onChaseTick();
            ++ticksTried;
        }
        const int ticksBefore = timerTicks;
        tickIfRunning(f.controls().chaseTimer);
        tickIfRunning(f.controls().chaseTimer);
        ASSERT_TRUE(timerTicks - ticksBefore >= 2);
        ASSERT_EQ(f.state().eatenCount, 5);
        ASSERT_EQ(f.state().praiseStampTicks, 1);
        ASSERT_TRUE(!f.controls().creatures(1)->isHidden());
    };
    f.onChaseTick();
    ASSERT_EQ(ticksTried, 3);
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    ASSERT_EQ(f.state().eatenCount, 5);
    ASSERT_EQ(f.state().score, 270);
    ASSERT_EQ(game.sound.played, (std::vector<Cue>{Cue::Eaten, Cue::GameOver}));
    ASSERT_TRUE(!f.isLoaded());
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(Chase, chaseGoesOnWhileTheScreenIsHidden) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    game.writeText("romajimojiren.txt"s, "a,あ,0\r\n"s);
    f.onPracticeMenu(); // the practice screen hides the main screen
    ASSERT_TRUE(!f.isVisible());
    f.setScoreForTests(10);
    placeCreature(f, 0, 100, 100);
    tickIfRunning(f.controls().chaseTimer);
    ASSERT_TRUE(where(f, 0).left > 100); // the running timer moves it
    oneLossFromTheEnd(f, 100);
    tickIfRunning(f.controls().chaseTimer);
    ASSERT_TRUE(!game.program->practiceScreen().isLoaded());
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    ASSERT_TRUE(!f.isLoaded());
    ASSERT_TRUE(!game.program->chartWindow().isLoaded());
}
