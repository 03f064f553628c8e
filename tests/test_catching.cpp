// SPDX-License-Identifier: MIT
// Catching creatures: a click starts the glide and locks the other creatures, the nine steps of the glide
// from wherever the creature is, the completion into the slot, a catch that the cliff interrupts, the slot
// click that lets a waiting creature out at once (and is ignored when nothing waits). How the pictures
// follow the creatures on the desktop is checked in tests/qt/test_main_drawn.cpp.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <gtest/gtest.h>

namespace {

// Where a glide from `from` towards `to` stands after `steps` steps: each step k takes k tenths of the way
// that is left.
double glided(double from, double to, int steps) {
    double left = to - from;
    for (int k = 1; k <= steps; ++k)
        left *= 1.0 - k / 10.0;
    return to - left;
}

void expectAt(const toolkit::PictureBox* p, double left, double top) {
    ASSERT_NEAR(p->left(), left, 0.01);
    ASSERT_NEAR(p->top(), top, 0.01);
}

} // namespace

TEST(Catching, clickStartsACatch) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.show();
    for (std::int16_t k = 0; k < 12; ++k)
        placeCreature(f, k, 200 + 450 * k, 100);
    click(c.creatures(3));
    ASSERT_EQ(game.sound.played, std::vector<Cue>{Cue::Click});
    ASSERT_TRUE(c.catchTimer->isEnabled());
    ASSERT_EQ(f.state().catchIndex, 3);
    for (std::int16_t k = 0; k < 12; ++k)
        ASSERT_EQ(c.creatures(k)->isEnabled(), k == 3);
    f.onCatchTick();
    f.onCatchTick();
    const float left = c.creatures(3)->left(), top = c.creatures(3)->top();
    click(c.creatures(5)); // locked while the catch runs
    ASSERT_EQ(game.sound.played.size(), 1u);
    click(c.creatures(3)); // the same creature again: only the cue
    ASSERT_EQ(game.sound.played, (std::vector<Cue>{Cue::Click, Cue::Click}));
    f.onCreatureClicked(5); // even a click that got through would not change the target
    ASSERT_EQ(f.state().catchIndex, 3);
    ASSERT_EQ(f.state().catchStep, 2);
    ASSERT_EQ(c.creatures(3)->left(), left);
    ASSERT_EQ(c.creatures(3)->top(), top);
    for (std::int16_t k = 0; k < 12; ++k)
        ASSERT_EQ(c.creatures(k)->isEnabled(), k == 3);
    ASSERT_TRUE(c.catchTimer->isEnabled());
}

TEST(Catching, nineStepGlideIntoTheSlot) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string rabbit = c.creatures(3)->picture();
    placeCreature(f, 3, 1000, 100);
    f.onCreatureClicked(3);
    ASSERT_EQ(f.state().catchStep, 0); // nothing moves before the timer's first tick
    const double slotLeft = 1560, slotTop = 4200;
    for (int step = 1; step <= 4; ++step) {
        f.onCatchTick();
        ASSERT_EQ(f.state().catchStep, step);
        expectAt(c.creatures(3), glided(1000, slotLeft, step), glided(100, slotTop, step));
    }
    // The chase moves it meanwhile; the glide goes on from where it is now.
    placeCreature(f, 3, 2000, 3000);
    for (int step = 5; step <= 8; ++step) {
        f.onCatchTick();
        double left = slotLeft - 2000, top = slotTop - 3000;
        for (int k = 5; k <= step; ++k) {
            left *= 1.0 - k / 10.0;
            top *= 1.0 - k / 10.0;
        }
        expectAt(c.creatures(3), slotLeft - left, slotTop - top);
    }
    ASSERT_TRUE(!c.creatures(3)->isHidden());
    f.onCatchTick(); // the ninth step completes the catch
    ASSERT_EQ(c.parkingSlots(3)->picture(), rabbit);
    ASSERT_TRUE(c.creatures(3)->picture().empty());
    ASSERT_TRUE(c.creatures(3)->isHidden());
    expectAt(c.creatures(3), -2000, -2000);
    ASSERT_EQ(f.state().returnTicks[3], 1);
    ASSERT_EQ(f.state().catchStep, 0);
    ASSERT_TRUE(!c.catchTimer->isEnabled());
    for (std::int16_t k = 0; k < 12; ++k)
        ASSERT_TRUE(c.creatures(k)->isEnabled());
}

// With less motion the glide goes as ever, but the picture stays where the creature was caught.
TEST(Catching, lessMotionKeepsTheCaughtPictureStill) {
    GameFixture game;
    game.program->chooseLook({false, true});
    game.start();
    MainScreen& f = game.program->mainScreen();
    placeCreature(f, 3, 1000, 100);
    f.onCreatureClicked(3);
    for (int step = 1; step <= 8; ++step) {
        f.onCatchTick();
        ASSERT_NEAR(f.state().creaturePlace[3].top, glided(100, 4200, step), 0.01);
        expectAt(f.controls().creatures(3), 1000, 100);
    }
}

TEST(Catching, caughtEvenWhenTheCliffTakesIt) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string rat = c.creatures(0)->picture();
    f.setScoreForTests(40);
    placeCreature(f, 0, 3000, 500);
    f.onCreatureClicked(0);
    f.onCatchTick();
    placeCreature(f, 0, 400, 800); // the chase carried it into the zone
    f.setScoreForTests(0);
    f.onChaseTick(); // eaten: parked, disabled, the eaten mark in its slot
    ASSERT_EQ(f.state().eatenCount, 1);
    ASSERT_EQ(f.state().score, -30);
    ASSERT_EQ(c.parkingSlots(0)->picture(), c.eatenMark->picture());
    ASSERT_TRUE(!c.creatures(0)->isEnabled());
    for (int step = 2; step <= 9; ++step)
        f.onCatchTick();                          // the glide still brings it home
    ASSERT_EQ(c.parkingSlots(0)->picture(), rat); // its own picture replaces the eaten mark
    ASSERT_EQ(f.state().returnTicks[0], 1);
    ASSERT_TRUE(c.creatures(0)->isEnabled());
    ASSERT_TRUE(!c.parkingSlots(0)->isEnabled()); // its slot stays shut: it comes back by itself
    for (int tick = 1; tick <= 19; ++tick)
        f.onChaseTick();
    ASSERT_TRUE(!c.creatures(0)->isHidden());
    expectAt(c.creatures(0), 100, 100);
    ASSERT_EQ(c.creatures(0)->picture(), rat);
    ASSERT_EQ(f.state().eatenCount, 1); // the loss still counts
}

TEST(Catching, slotClickLetsTheCreatureOut) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.show();
    const std::string dog = c.creatures(10)->picture();
    // Nothing waits in the slot: the creature runs, or is hidden, or glides towards it.
    placeCreature(f, 10, 3000, 100);
    click(c.parkingSlots(10));
    expectAt(c.creatures(10), 3000, 100);
    ASSERT_EQ(c.creatures(10)->picture(), dog);
    placeCreature(f, 10, 3000, 100, false);
    f.onSlotClicked(10);
    ASSERT_TRUE(c.creatures(10)->isHidden());
    placeCreature(f, 10, 3000, 100);
    f.onCreatureClicked(10);
    f.onCatchTick();
    f.onSlotClicked(10);
    ASSERT_EQ(c.creatures(10)->picture(), dog);
    ASSERT_EQ(f.state().catchStep, 1);
    for (int step = 2; step <= 9; ++step)
        f.onCatchTick();
    ASSERT_EQ(c.parkingSlots(10)->picture(), dog);

    game.sound.played.clear();
    f.onChaseTick();
    click(c.parkingSlots(10)); // now it waits there: out it comes
    ASSERT_TRUE(game.sound.played.empty());
    ASSERT_TRUE(!c.creatures(10)->isHidden()); // although the score is far below its threshold
    expectAt(c.creatures(10), 100, 100);
    ASSERT_EQ(c.creatures(10)->picture(), dog);
    ASSERT_TRUE(c.parkingSlots(10)->picture().empty());
    ASSERT_EQ(f.state().returnTicks[10], 0);
    for (int tick = 0; tick < 25; ++tick)
        f.onChaseTick();
    expectAt(c.creatures(10), 100, 100); // no second return (and no move at score 0)

    // The slot of a lost creature is shut, even while a catch has put its picture there.
    placeCreature(f, 1, 3000, 500);
    f.onCreatureClicked(1);
    f.onCatchTick();
    placeCreature(f, 1, 400, 800);
    f.onChaseTick();
    for (int step = 2; step <= 9; ++step)
        f.onCatchTick();
    ASSERT_EQ(f.state().returnTicks[1], 1);
    click(c.parkingSlots(1));
    ASSERT_TRUE(c.creatures(1)->isHidden());
    ASSERT_EQ(f.state().returnTicks[1], 1);
}

// The Down arrow clicks the creature nearest the cliff that a click reaches (not one hidden, switched off or
// off the field), and nothing while a catch runs.
TEST(Catching, downArrowSavesTheNearest) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.show();
    placeCreature(f, 6, 3000, 1100);
    placeCreature(f, 9, 100, 1050, false);
    placeCreature(f, 4, -600, 1100);
    placeCreature(f, 11, 100, 1040);
    f.controls().creatures(11)->setEnabled(false);
    ASSERT_TRUE(f.window()->keyDown({toolkit::keys::down, {}}));
    ASSERT_TRUE(f.window()->keyDown({toolkit::keys::down, {}}));
    ASSERT_EQ(game.sound.played, std::vector<Cue>{Cue::Click});
    ASSERT_EQ(f.state().catchIndex, 6);
}
