// Catching creatures: a click starts the glide and locks the other creatures, the nine steps of the glide
// from wherever the creature is, the completion into the slot, a catch that the cliff interrupts, the slot
// click that lets a waiting creature out at once (and is ignored when nothing waits), and the pictures
// following the creatures: unscaled and clipped in a slot, sizing the creature's box.
#include "screens/main/form1.h"
#include "support/gamefixture.h"
#include "support/play.h"
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
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    f.show();
    for (std::int16_t k = 0; k < 12; ++k)
        placeCreature(f, k, 200 + 450 * k, 100);
    QTest::mouseClick(c.Picture1(3), Qt::LeftButton);
    QCOMPARE(game.sound.played, QList<Cue>{Cue::Click});
    QVERIFY(c.Timer2->isEnabled());
    QCOMPARE(f.catchIndex, 3);
    for (std::int16_t k = 0; k < 12; ++k)
        QCOMPARE(c.Picture1(k)->isEnabled(), k == 3);
    f.Timer2_Timer();
    f.Timer2_Timer();
    const float left = c.Picture1(3)->left(), top = c.Picture1(3)->top();
    QTest::mouseClick(c.Picture1(5), Qt::LeftButton); // locked while the catch runs
    QCOMPARE(game.sound.played.size(), 1);
    QTest::mouseClick(c.Picture1(3), Qt::LeftButton); // the same creature again: only the cue
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Click, Cue::Click}));
    f.Picture1_Click(5); // even a click that got through would not change the target
    QCOMPARE(f.catchIndex, 3);
    QCOMPARE(f.catchStep, 2);
    QCOMPARE(c.Picture1(3)->left(), left);
    QCOMPARE(c.Picture1(3)->top(), top);
    for (std::int16_t k = 0; k < 12; ++k)
        QCOMPARE(c.Picture1(k)->isEnabled(), k == 3);
    QVERIFY(c.Timer2->isEnabled());
}

void CatchingTest::nineStepGlideIntoTheSlot() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    const qint64 rabbit = c.Picture1(3)->picture().cacheKey();
    placeCreature(f, 3, 1000, 100);
    f.Picture1_Click(3);
    QCOMPARE(f.catchStep, 0); // nothing moves before the timer's first tick
    const double slotLeft = 1560, slotTop = 4200;
    for (int step = 1; step <= 4; ++step) {
        f.Timer2_Timer();
        QCOMPARE(f.catchStep, step);
        expectAt(c.Picture1(3), glided(1000, slotLeft, step), glided(100, slotTop, step));
    }
    // The chase moves it meanwhile; the glide goes on from where it is now.
    placeCreature(f, 3, 2000, 3000);
    for (int step = 5; step <= 8; ++step) {
        f.Timer2_Timer();
        double left = slotLeft - 2000, top = slotTop - 3000;
        for (int k = 5; k <= step; ++k) {
            left *= 1.0 - k / 10.0;
            top *= 1.0 - k / 10.0;
        }
        expectAt(c.Picture1(3), slotLeft - left, slotTop - top);
    }
    QVERIFY(!c.Picture1(3)->isHidden());
    f.Timer2_Timer(); // the ninth step completes the catch
    QCOMPARE(c.Picture2(3)->picture().cacheKey(), rabbit);
    QVERIFY(c.Picture1(3)->picture().isNull());
    QVERIFY(c.Picture1(3)->isHidden());
    expectAt(c.Picture1(3), -2000, -2000);
    QCOMPARE(f.returnTicks[3], 1);
    QCOMPARE(f.catchStep, 0);
    QVERIFY(!c.Timer2->isEnabled());
    for (std::int16_t k = 0; k < 12; ++k)
        QVERIFY(c.Picture1(k)->isEnabled());
}

void CatchingTest::caughtEvenWhenTheCliffTakesIt() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    const qint64 rat = c.Picture1(0)->picture().cacheKey();
    f.score = 40;
    placeCreature(f, 0, 3000, 500);
    f.Picture1_Click(0);
    f.Timer2_Timer();
    placeCreature(f, 0, 400, 800); // the chase carried it into the zone
    f.score = 0;
    f.Timer1_Timer(); // eaten: parked, disabled, the eaten mark in its slot
    QCOMPARE(f.eatenCount, 1);
    QCOMPARE(f.score, -30);
    QCOMPARE(c.Picture2(0)->picture().cacheKey(), c.Picture6->picture().cacheKey());
    QVERIFY(!c.Picture1(0)->isEnabled());
    for (int step = 2; step <= 9; ++step)
        f.Timer2_Timer();                               // the glide still brings it home
    QCOMPARE(c.Picture2(0)->picture().cacheKey(), rat); // its own picture replaces the eaten mark
    QCOMPARE(f.returnTicks[0], 1);
    QVERIFY(c.Picture1(0)->isEnabled());
    QVERIFY(!c.Picture2(0)->isEnabled()); // its slot stays shut: it comes back by itself
    for (int tick = 1; tick <= 19; ++tick)
        f.Timer1_Timer();
    QVERIFY(!c.Picture1(0)->isHidden());
    expectAt(c.Picture1(0), 100, 100);
    QCOMPARE(c.Picture1(0)->picture().cacheKey(), rat);
    QCOMPARE(f.eatenCount, 1); // the loss still counts
}

void CatchingTest::slotClickLetsTheCreatureOut() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    f.show();
    const qint64 dog = c.Picture1(10)->picture().cacheKey();
    // Nothing waits in the slot: the creature runs, or is hidden, or glides towards it.
    placeCreature(f, 10, 3000, 100);
    QTest::mouseClick(c.Picture2(10), Qt::LeftButton);
    expectAt(c.Picture1(10), 3000, 100);
    QCOMPARE(c.Picture1(10)->picture().cacheKey(), dog);
    placeCreature(f, 10, 3000, 100, false);
    f.Picture2_Click(10);
    QVERIFY(c.Picture1(10)->isHidden());
    placeCreature(f, 10, 3000, 100);
    f.Picture1_Click(10);
    f.Timer2_Timer();
    f.Picture2_Click(10);
    QCOMPARE(c.Picture1(10)->picture().cacheKey(), dog);
    QCOMPARE(f.catchStep, 1);
    for (int step = 2; step <= 9; ++step)
        f.Timer2_Timer();
    QCOMPARE(c.Picture2(10)->picture().cacheKey(), dog);

    game.sound.played.clear();
    f.Timer1_Timer();
    QTest::mouseClick(c.Picture2(10), Qt::LeftButton); // now it waits there: out it comes
    QVERIFY(game.sound.played.isEmpty());
    QVERIFY(!c.Picture1(10)->isHidden()); // although the score is far below its threshold
    expectAt(c.Picture1(10), 100, 100);
    QCOMPARE(c.Picture1(10)->picture().cacheKey(), dog);
    QVERIFY(c.Picture2(10)->picture().isNull());
    QCOMPARE(f.returnTicks[10], 0);
    for (int tick = 0; tick < 25; ++tick)
        f.Timer1_Timer();
    expectAt(c.Picture1(10), 100, 100); // no second return (and no move at score 0)

    // The slot of a lost creature is shut, even while a catch has put its picture there.
    placeCreature(f, 1, 3000, 500);
    f.Picture1_Click(1);
    f.Timer2_Timer();
    placeCreature(f, 1, 400, 800);
    f.Timer1_Timer();
    for (int step = 2; step <= 9; ++step)
        f.Timer2_Timer();
    QCOMPARE(f.returnTicks[1], 1);
    QTest::mouseClick(c.Picture2(1), Qt::LeftButton);
    QVERIFY(c.Picture1(1)->isHidden());
    QCOMPARE(f.returnTicks[1], 1);
}

void CatchingTest::picturesFollowTheCreatures() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    const QSize sheep = c.Picture1(7)->picture().deviceIndependentSize().toSize();
    QCOMPARE(sheep, QSize(36, 24));
    QCOMPARE(c.Picture1(7)->size(), sheep);
    placeCreature(f, 7, 3000, 100);
    f.Picture1_Click(7);
    for (int step = 1; step <= 9; ++step)
        f.Timer2_Timer();
    QCOMPARE(c.Picture2(7)->size(), QSize(33, 33)); // the slot keeps its size: the sheep is clipped
    const QImage slot = c.Picture2(7)->grab().toImage();
    const QImage picture = c.Picture2(7)->picture().toImage();
    // Drawn unscaled from the corner (inside the slot's border): wherever the picture is opaque, the slot
    // shows the same pixel, up to the slot's last column.
    const int inset = c.Picture2(7)->hasBorder() ? 1 : 0;
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
    c.Picture2(7)->setPicture(c.Picture1(4)->picture()); // the dragon, 25 x 32
    f.Picture2_Click(7);
    QCOMPARE(c.Picture1(7)->size(), QSize(25, 32));
}

QTEST_MAIN(CatchingTest)
#include "test_catching.moc"
