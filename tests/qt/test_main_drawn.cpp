// SPDX-License-Identifier: MIT
// The main screen as the desktop shows it: the pictures following the creatures (unscaled and clipped in a
// slot, sizing the creature's box), the creatures running clockwise down to the pixel their widgets stand
// on, the last press on the tiles giving OK the focus, the chart toggle leaving the game the active window,
// and quitting while the opening plays, after which its window and timer go with the event loop.
#include "frontends/qt/timer.h"
#include "qt/qtgame.h"
#include "qt/stdstring.h"
#include "qt/views.h"
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/play.h"
#include <QApplication>
#include <QtTest>

class MainDrawnTest : public QObject {
    Q_OBJECT
private slots:
    void picturesFollowTheCreatures();
    void creaturesRunClockwise();
    void lastPressShowsOkWithFocus();
    void hyouTogglesTheChart();
    void quitWhileTheOpeningPlaysEndsTheProgram();
};

// Failed checks print a creature's place.
char* toString(const Place& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.left).arg(p.top));
}

namespace {

const QString showChart = QStringLiteral("ローマ字表");
const QString hideChart = QStringLiteral("表を消す");

} // namespace

void MainDrawnTest::picturesFollowTheCreatures() {
    QtGameFixture game;
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

void MainDrawnTest::creaturesRunClockwise() {
    QtGameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    for (std::int16_t k = 0; k < 12; ++k)
        f.setCreatureSpeedForTests(k, 5);
    f.setScoreForTests(30); // step 20
    const struct {
        Place from, to;
    } cases[] = {
        {{100, 100}, {120, 100}},     // the start position lies on the top edge: right first
        {{5530, 100}, {5550, 120}},   // top right corner: right, then down
        {{5600, 500}, {5600, 520}},   // right side: down
        {{5540, 1090}, {5520, 1110}}, // bottom right corner: down, then left
        {{3000, 1200}, {2980, 1200}}, // bottom: left
        {{110, 1100}, {90, 1080}},    // bottom left corner: left, then up
        {{50, 1050}, {50, 1030}},     // left side, below the cliff: up
        {{60, 100}, {80, 80}},        // top left corner: right, then up
        {{3000, 500}, {3000, 500}},   // off the track: stands still
    };
    for (int i = 0; i < 9; ++i)
        placeCreature(f, static_cast<std::int16_t>(i), cases[i].from.left, cases[i].from.top);
    placeCreature(f, 9, 100, 100, false); // hidden creatures do not run
    f.onChaseTick();
    for (int i = 0; i < 9; ++i)
        QCOMPARE(where(f, i), cases[i].to);
    QCOMPARE(where(f, 9), (Place{100, 100}));
    QCOMPARE(f.state().eatenCount, 0);

    // An odd score runs half twips, kept as real positions.
    f.setScoreForTests(31);
    placeCreature(f, 0, 100, 100);
    f.onChaseTick();
    f.onChaseTick();
    QCOMPARE(where(f, 0), (Place{141, 100}));
    QCOMPARE(widget(f.controls().creatures(0))->x(), 9); // the widget sits at the nearest pixel
}

void MainDrawnTest::lastPressShowsOkWithFocus() {
    QtGameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.show();
    const auto& c = f.controls();
    f.setAnswerForTests("inu");
    f.setPlacedCountForTests(0);
    f.dealTiles();
    // Any mouse button places a tile.
    QTest::mousePress(widget(c.tiles(0)), Qt::RightButton);
    QTest::mousePress(widget(c.tiles(1)), Qt::MiddleButton);
    QVERIFY(c.okButton->isHidden());
    QVERIFY(c.tiles(0)->isHidden() && c.tiles(1)->isHidden());
    QTest::mousePress(widget(c.tiles(2)), Qt::LeftButton);
    QVERIFY(!c.okButton->isHidden());
    QVERIFY(!c.retryButton->isHidden());
    QVERIFY(c.hintButton->isHidden());
    QCOMPARE(qtWindow(f)->focusWidget(), widget(c.okButton));
}

void MainDrawnTest::hyouTogglesTheChart() {
    PlayingGame<QtGameFixture> game;
    MainScreen& f = game.main();
    ChartWindow& chartWindow = game.program->chartWindow();
    QVERIFY(f.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), showChart);
    f.onChartMenu();
    QVERIFY(f.state().chartShown);
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), hideChart);
    // The chart comes up, but the game keeps the keyboard and the clicks.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(qtWindow(f)));
    f.onChartMenu();
    QVERIFY(!f.state().chartShown);
    QVERIFY(chartWindow.isLoaded());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), showChart);
    // Through the menu item itself.
    f.controls().chartMenuItem->trigger();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), hideChart);
    QVERIFY(game.errors.details.empty());
}

void MainDrawnTest::quitWhileTheOpeningPlaysEndsTheProgram() {
    PlayingGame<QtGameFixture> game;
    MainScreen& f = game.main();
    f.onOpeningMenu();
    for (int tick = 0; tick < 20; ++tick)
        game.program->openingScreen().onAnimationTick();
    QPointer<frontend::QtWindow> opening = qtWindow(game.program->openingScreen());
    const toolkit::Timer* animationTimer = game.program->openingScreen().controls().animationTimer;
    QPointer<frontend::QtTimer> openingTimer = dynamic_cast<frontend::QtTimer*>(animationTimer->view());
    QVERIFY(opening && openingTimer);
    f.onQuitMenu();
    QCOMPARE(game.program->loadedScreens(), 0);
    QCOMPARE(game.ended, 1);
    // The opening's timer stops at once, and its window and timer go with the event loop: once they are
    // gone nothing is left that could bring the game back. (The timer lives as long as its window's view.)
    QVERIFY(opening);
    QVERIFY(!animationTimer->isEnabled());
    QCOMPARE(openingTimer->remainingTime(), -1);
    QTRY_VERIFY_WITH_TIMEOUT(!opening && !openingTimer, 5000);
    QCOMPARE(game.program->loadedScreens(), 0);
    QVERIFY(!f.isLoaded());
    QCOMPARE(game.ended, 1);
    QVERIFY(game.errors.details.empty());
}

QTEST_MAIN(MainDrawnTest)
#include "test_main_drawn.moc"
