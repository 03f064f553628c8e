// SPDX-License-Identifier: MIT
// Catching creatures: a click starts the glide and locks the other creatures, the nine steps of the glide
// from wherever the creature is, the completion into the slot, a catch that the cliff interrupts, the slot
// click that lets a waiting creature out at once (and is ignored when nothing waits), and the pictures
// following the creatures: unscaled and clipped in a slot, sizing the creature's box.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QtTest>

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
    QVERIFY2(std::abs(p->left() - left) < 0.01 && std::abs(p->top() - top) < 0.01,
             qPrintable(QStringLiteral("at (%1, %2), expected (%3, %4)")
                            .arg(p->left())
                            .arg(p->top())
                            .arg(left)
                            .arg(top)));
}

} // namespace

class CatchingTest : public QObject {
    Q_OBJECT
private slots:
    void clickStartsACatch();
    void nineStepGlideIntoTheSlot();
    void caughtEvenWhenTheCliffTakesIt();
    void slotClickLetsTheCreatureOut();
    void picturesFollowTheCreatures();
};

void CatchingTest::clickStartsACatch() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.show();
    for (std::int16_t k = 0; k < 12; ++k)
        placeCreature(f, k, 200 + 450 * k, 100);
    QTest::mouseClick(widget(c.creatures(3)), Qt::LeftButton);
    QCOMPARE(game.sound.played, QList<Cue>{Cue::Click});
    QVERIFY(c.catchTimer->isEnabled());
    QCOMPARE(f.state().catchIndex, 3);
    for (std::int16_t k = 0; k < 12; ++k)
        QCOMPARE(c.creatures(k)->isEnabled(), k == 3);
    f.onCatchTick();
    f.onCatchTick();
    const float left = c.creatures(3)->left(), top = c.creatures(3)->top();
    QTest::mouseClick(widget(c.creatures(5)), Qt::LeftButton); // locked while the catch runs
    QCOMPARE(game.sound.played.size(), 1);
    QTest::mouseClick(widget(c.creatures(3)), Qt::LeftButton); // the same creature again: only the cue
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Click, Cue::Click}));
    f.onCreatureClicked(5); // even a click that got through would not change the target
    QCOMPARE(f.state().catchIndex, 3);
    QCOMPARE(f.state().catchStep, 2);
    QCOMPARE(c.creatures(3)->left(), left);
    QCOMPARE(c.creatures(3)->top(), top);
    for (std::int16_t k = 0; k < 12; ++k)
        QCOMPARE(c.creatures(k)->isEnabled(), k == 3);
    QVERIFY(c.catchTimer->isEnabled());
}

void CatchingTest::nineStepGlideIntoTheSlot() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string rabbit = c.creatures(3)->picture();
    placeCreature(f, 3, 1000, 100);
    f.onCreatureClicked(3);
    QCOMPARE(f.state().catchStep, 0); // nothing moves before the timer's first tick
    const double slotLeft = 1560, slotTop = 4200;
    for (int step = 1; step <= 4; ++step) {
        f.onCatchTick();
        QCOMPARE(f.state().catchStep, step);
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
    QVERIFY(!c.creatures(3)->isHidden());
    f.onCatchTick(); // the ninth step completes the catch
    QCOMPARE(c.parkingSlots(3)->picture(), rabbit);
    QVERIFY(c.creatures(3)->picture().empty());
    QVERIFY(c.creatures(3)->isHidden());
    expectAt(c.creatures(3), -2000, -2000);
    QCOMPARE(f.state().returnTicks[3], 1);
    QCOMPARE(f.state().catchStep, 0);
    QVERIFY(!c.catchTimer->isEnabled());
    for (std::int16_t k = 0; k < 12; ++k)
        QVERIFY(c.creatures(k)->isEnabled());
}

void CatchingTest::caughtEvenWhenTheCliffTakesIt() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string rat = c.creatures(0)->picture();
    f.stateForTests().score = 40;
    placeCreature(f, 0, 3000, 500);
    f.onCreatureClicked(0);
    f.onCatchTick();
    placeCreature(f, 0, 400, 800); // the chase carried it into the zone
    f.stateForTests().score = 0;
    f.onChaseTick(); // eaten: parked, disabled, the eaten mark in its slot
    QCOMPARE(f.state().eatenCount, 1);
    QCOMPARE(f.state().score, -30);
    QCOMPARE(c.parkingSlots(0)->picture(), c.eatenMark->picture());
    QVERIFY(!c.creatures(0)->isEnabled());
    for (int step = 2; step <= 9; ++step)
        f.onCatchTick();                         // the glide still brings it home
    QCOMPARE(c.parkingSlots(0)->picture(), rat); // its own picture replaces the eaten mark
    QCOMPARE(f.state().returnTicks[0], 1);
    QVERIFY(c.creatures(0)->isEnabled());
    QVERIFY(!c.parkingSlots(0)->isEnabled()); // its slot stays shut: it comes back by itself
    for (int tick = 1; tick <= 19; ++tick)
        f.onChaseTick();
    QVERIFY(!c.creatures(0)->isHidden());
    expectAt(c.creatures(0), 100, 100);
    QCOMPARE(c.creatures(0)->picture(), rat);
    QCOMPARE(f.state().eatenCount, 1); // the loss still counts
}

void CatchingTest::slotClickLetsTheCreatureOut() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.show();
    const std::string dog = c.creatures(10)->picture();
    // Nothing waits in the slot: the creature runs, or is hidden, or glides towards it.
    placeCreature(f, 10, 3000, 100);
    QTest::mouseClick(widget(c.parkingSlots(10)), Qt::LeftButton);
    expectAt(c.creatures(10), 3000, 100);
    QCOMPARE(c.creatures(10)->picture(), dog);
    placeCreature(f, 10, 3000, 100, false);
    f.onSlotClicked(10);
    QVERIFY(c.creatures(10)->isHidden());
    placeCreature(f, 10, 3000, 100);
    f.onCreatureClicked(10);
    f.onCatchTick();
    f.onSlotClicked(10);
    QCOMPARE(c.creatures(10)->picture(), dog);
    QCOMPARE(f.state().catchStep, 1);
    for (int step = 2; step <= 9; ++step)
        f.onCatchTick();
    QCOMPARE(c.parkingSlots(10)->picture(), dog);

    game.sound.played.clear();
    f.onChaseTick();
    QTest::mouseClick(widget(c.parkingSlots(10)), Qt::LeftButton); // now it waits there: out it comes
    QVERIFY(game.sound.played.isEmpty());
    QVERIFY(!c.creatures(10)->isHidden()); // although the score is far below its threshold
    expectAt(c.creatures(10), 100, 100);
    QCOMPARE(c.creatures(10)->picture(), dog);
    QVERIFY(c.parkingSlots(10)->picture().empty());
    QCOMPARE(f.state().returnTicks[10], 0);
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
    QCOMPARE(f.state().returnTicks[1], 1);
    QTest::mouseClick(widget(c.parkingSlots(1)), Qt::LeftButton);
    QVERIFY(c.creatures(1)->isHidden());
    QCOMPARE(f.state().returnTicks[1], 1);
}

void CatchingTest::picturesFollowTheCreatures() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const QSize sheep =
        widget<frontend::PictureWidget>(c.creatures(7))->pixmap().deviceIndependentSize().toSize();
    QCOMPARE(sheep, QSize(36, 24));
    QCOMPARE(widget(c.creatures(7))->size(), sheep);
    placeCreature(f, 7, 3000, 100);
    f.onCreatureClicked(7);
    for (int step = 1; step <= 9; ++step)
        f.onCatchTick();
    // The slot keeps its size: the sheep is clipped.
    QCOMPARE(widget(c.parkingSlots(7))->size(), QSize(33, 33));
    const QImage slot = widget(c.parkingSlots(7))->grab().toImage();
    const QImage picture = widget<frontend::PictureWidget>(c.parkingSlots(7))->pixmap().toImage();
    // Drawn unscaled from the corner (inside the slot's border): wherever the picture is opaque, the slot
    // shows the same pixel, up to the slot's last column.
    const int inset = c.parkingSlots(7)->hasBorder() ? 1 : 0;
    const int lastColumn = 32 - 2 * inset;
    int compared = 0;
    for (int x : {0, 10, lastColumn})
        for (int y = 0; y < 24; ++y)
            if (picture.pixelColor(x, y).alpha() == 255) {
                QCOMPARE(slot.pixelColor(x + inset, y + inset), picture.pixelColor(x, y));
                compared += x == lastColumn;
            }
    QVERIFY(compared > 0);
    QCOMPARE(slot.pixelColor(20, 30), QColor(Qt::white)); // below the picture: the slot's background

    // A creature's box takes the size of the picture it receives.
    c.parkingSlots(7)->setPicture(c.creatures(4)->picture()); // the dragon, 25 x 32
    f.onSlotClicked(7);
    QCOMPARE(widget(c.creatures(7))->size(), QSize(25, 32));
}

QTEST_MAIN(CatchingTest)
#include "test_catching.moc"
