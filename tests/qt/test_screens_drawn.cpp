// SPDX-License-Identifier: MIT
// The game's screens as the desktop shows them: the practice screen's real timers, the window left in front
// at its finish and its close box, the romaji chart window's table fitted and drawn inside it, the opening's
// window and pictures and its real timer, and 1 000 visits leaving no window or icon behind.
#include "frontends/qt/fonts.h"
#include "frontends/qt/icon.h"
#include "frontends/qt/painter.h"
#include "qt/qtgame.h"
#include "qt/quietplatform.h"
#include "qt/stdstring.h"
#include "qt/views.h"
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include <QApplication>
#include <QtTest>

using namespace chart;

class ScreensDrawnTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void targetTimerRestartsOnlyInATimedRun();
    void finishAtThe103rdAnswer();
    void closeBoxLeavesLikeTheMenu();
    void realTimersDriveTheRun();
    void windowIsCreatedHiddenAndHoldsTheTable();
    void everyCellIsDrawnInsideTheWindow();
    void showingAndHidingTwiceChangesNothing();
    void loadStepCoversTheTrail();
    void realTimerEndsTheOpening();
    void thousandVisitsOfPracticeAndOpening();
};

namespace {
std::int16_t targetLabel(const PracticeScreen& r) {
    return r.state().table.labelList[static_cast<std::size_t>(r.state().targetIndex)];
}

void verifyBackOnMainScreen(GameFixture& game) {
    Program& p = *game.program;
    QVERIFY(!p.practiceScreen().isLoaded());
    QVERIFY(p.mainScreen().isVisible());
    QVERIFY(p.chartWindow().isLoaded());
    QVERIFY(!p.chartWindow().isVisible());
    QCOMPARE(p.mainScreen().controls().chartMenuItem->text(), QStringLiteral("ローマ字表"));
}

QStringList linesOf(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

QRect qRect(const toolkit::PixelRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

const frontend::QtTextMetrics metrics;

// The table's layout on the chart's canvas, at the canvas's size in pixels.
const Layout& layoutOf(ChartWindow& chartWindow) {
    const QWidget* canvas = widget(chartWindow.controls().chart);
    return chartWindow.chartLayout(canvas->width(), canvas->height(), metrics);
}

bool hasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}
} // namespace

void ScreensDrawnTest::targetTimerRestartsOnlyInATimedRun() {
    {
        QtGameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        r.onStartClicked();
        // A right answer gives the new prompt a full second before the timer shows it again.
        QTRY_VERIFY_WITH_TIMEOUT(r.controls().targetTimer->remainingTime() < 700, 5000);
        answerCurrentTarget(r);
        QVERIFY(r.controls().targetTimer->isEnabled());
        QVERIFY(r.controls().targetTimer->remainingTime() > 900);
        r.onQuitPracticeMenu();
        // On the next visit the last answer is still set: a right click before any choice starts the timer.
        game.program->mainScreen().onPracticeMenu();
        QVERIFY(!r.controls().targetTimer->isEnabled());
        answerCurrentTarget(r);
        QCOMPARE(r.state().correctCount, 1);
        QVERIFY(r.controls().targetTimer->isEnabled());
    }
    {
        QtGameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        r.onNoTimeMenu(0);
        r.onBeginClicked();
        for (int k = 0; k < 5; ++k)
            answerCurrentTarget(r);
        QCOMPARE(r.state().correctCount, 5);
        QVERIFY(!r.controls().targetTimer->isEnabled());
        QVERIFY(!r.controls().runClock->isEnabled());
    }
}

void ScreensDrawnTest::finishAtThe103rdAnswer() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    p.openingScreen().close(); // the opening of the start-up has ended
    r.onAdvancedMenu();
    r.onStartClicked();
    QSet<int> answered;
    for (int n = 1; n <= 102; ++n) {
        // Targets are drawn only among the kana not answered yet.
        QVERIFY(!answered.contains(targetLabel(r)));
        answered.insert(targetLabel(r));
        answerCurrentTarget(r);
        QVERIFY(r.isLoaded());
    }
    QCOMPARE(r.controls().countLabel->text(), QStringLiteral("102こ"));
    QVERIFY(!p.openingScreen().isLoaded());
    game.sound.played.clear();
    answerCurrentTarget(r);
    QCOMPARE(r.state().correctCount, 103);
    QCOMPARE(game.sound.played,
             (std::vector<Cue>{Cue::Correct, Cue::Correct100, Cue::Correct, Cue::Correct100}));
    QVERIFY(p.openingScreen().isVisible());
    QVERIFY(!r.isLoaded());
    QVERIFY(p.mainScreen().isVisible());
    QVERIFY(!p.chartWindow().isVisible());
    // The reward is seen: the opening stays in front of the main screen that came back with it.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(qtWindow(p.openingScreen())));
    QCOMPARE(p.mainScreen().controls().chartMenuItem->text(), QStringLiteral("ローマ字表"));
    QVERIFY(game.messageBox.shown.empty());
    QVERIFY(game.errors.details.empty());
}

void ScreensDrawnTest::closeBoxLeavesLikeTheMenu() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    r.onBeginnerMenu();
    QVERIFY(qtWindow(r)->close() == false); // the screen decides; the window itself does not close
    verifyBackOnMainScreen(game);
    QVERIFY(game.errors.details.empty());
}

void ScreensDrawnTest::realTimersDriveTheRun() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    // The run clock ticks by itself from the load; a level's target timer shows the first prompt a second
    // later.
    QTRY_VERIFY_WITH_TIMEOUT(r.state().tickCount >= 1, 3000);
    QCOMPARE(r.controls().statusLabel->text(), QStringLiteral("あと%1タイム").arg(205 - r.state().tickCount));
    r.onAdvancedMenu();
    QTRY_COMPARE_WITH_TIMEOUT(r.controls().promptLabel->text(), promptFor(0), 3000);
    // After the begin button nothing ticks any more. A timer armed now with the run clock's interval fires
    // after any tick the clock could still have had due, so once it has fired the count must be unchanged.
    r.onNoTimeMenu(0);
    r.onBeginClicked();
    const std::int16_t ticks = r.state().tickCount;
    QTimer clockPeriod;
    clockPeriod.setSingleShot(true);
    clockPeriod.setTimerType(Qt::PreciseTimer);
    QSignalSpy periodPassed(&clockPeriod, &QTimer::timeout);
    clockPeriod.start(r.controls().runClock->interval());
    QVERIFY(periodPassed.wait(5000));
    QCOMPARE(r.state().tickCount, ticks);
    QVERIFY(!r.controls().targetTimer->isEnabled() && !r.controls().runClock->isEnabled());
    QVERIFY(game.errors.details.empty());
}

void ScreensDrawnTest::windowIsCreatedHiddenAndHoldsTheTable() {
    QtGameFixture game;
    game.start();
    ChartWindow& chartWindow = game.program->chartWindow();
    QVERIFY(chartWindow.isLoaded());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(qtWindow(chartWindow)->windowTitle(), QStringLiteral("ローマ字表"));
    QWidget* client = qtWindow(chartWindow)->client();
    QCOMPARE(client->size(), QSize(390, 584));
    QCOMPARE(client->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(client->cursor().hotSpot(), QPoint(2, 2));
    const QWidget* view = widget(chartWindow.controls().chart);
    QCOMPARE(view->geometry(), QRect(0, 8, 706, 541)); // Left 0, Top 120, 10590 × 8115 twips
    const Layout& l = layoutOf(chartWindow);
    // The whole table, all nine columns and the last row, lies inside the window.
    const QRect table = qRect(l.tableRect()).translated(view->pos());
    QVERIFY2(QRect(QPoint(0, 0), client->size()).contains(table), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                                 .arg(table.x())
                                                                                 .arg(table.y())
                                                                                 .arg(table.width())
                                                                                 .arg(table.height())));
    QVERIFY(table.width() >= 360); // it fills the window's width, not a corner of it
    QVERIFY(l.fontPixels >= 12);
    const int lineHeight = chart::lineHeight(l.fontPixels, metrics);
    for (int band = 0; band < bandCount; ++band)
        for (int column = 0; column < columnCount; ++column) {
            const QRect inside = qRect(l.cellRect(band, column));
            const QStringList text = linesOf(bandLines(band, column));
            const QString where = QStringLiteral("band %1 column %2").arg(band).arg(column);
            QVERIFY2(text.size() * lineHeight <= inside.height(), qPrintable(where));
            const QFontMetrics fontMetrics(frontend::makeFont(fontFor(band, column, l.fontPixels)));
            for (const QString& line : text)
                QVERIFY2(fontMetrics.horizontalAdvance(line) <= inside.width(),
                         qPrintable(where + " " + line));
        }
}

void ScreensDrawnTest::everyCellIsDrawnInsideTheWindow() {
    QtGameFixture game;
    game.start();
    ChartWindow& chartWindow = game.program->chartWindow();
    chartWindow.show();
    const QWidget* view = widget(chartWindow.controls().chart);
    const QImage image = qtWindow(chartWindow)->client()->grab().toImage();
    const Layout& l = layoutOf(chartWindow);
    const QPoint at = view->pos();
    for (int band = 0; band < bandCount; ++band)
        for (int column = 0; column < columnCount; ++column) {
            const QRect inside = qRect(l.cellRect(band, column)).translated(at).adjusted(1, 1, -1, -1);
            const QString text = QString::fromStdString(bandCell(band, column));
            QVERIFY2(hasInk(image, inside) == !text.isEmpty(), qPrintable(text));
            if (isLongVowel(text.toStdString())) {
                // The caret stands over the letter, in the upper half of the cell.
                QVERIFY(hasInk(image, inside.adjusted(0, 0, 0, -inside.height() / 2)));
            }
        }
    // Right of the table the page is blank up to the window's edge.
    const QRect table = qRect(l.tableRect()).translated(at);
    QVERIFY(
        !hasInk(image, QRect(QPoint(table.right() + 1, 0), QPoint(image.width() - 1, image.height() - 1))));
    QVERIFY(
        !hasInk(image, QRect(QPoint(0, table.bottom() + 1), QPoint(image.width() - 1, image.height() - 1))));
    // The rules frame the table.
    QVERIFY(qGray(image.pixel(table.left(), table.center().y())) < 128);
    QVERIFY(qGray(image.pixel(table.right(), table.center().y())) < 128);
    QVERIFY(qGray(image.pixel(table.center().x(), table.bottom())) < 128);
}

void ScreensDrawnTest::showingAndHidingTwiceChangesNothing() {
    QtGameFixture game;
    game.start();
    ChartWindow& chartWindow = game.program->chartWindow();
    const int loaded = game.program->loadedScreens();
    chartWindow.show();
    const toolkit::Window* first = chartWindow.window();
    chartWindow.show();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(chartWindow.window(), first);
    chartWindow.hide();
    chartWindow.hide();
    QVERIFY(chartWindow.isLoaded());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(game.program->loadedScreens(), loaded);
    // Closed and shown again, it is built anew with the same chart.
    const QRect table = qRect(layoutOf(chartWindow).tableRect());
    chartWindow.close();
    QVERIFY(chartWindow.controls().chart == nullptr);
    QCOMPARE(game.program->loadedScreens(), loaded - 1);
    chartWindow.show();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(qRect(layoutOf(chartWindow).tableRect()), table);
    QCOMPARE(game.program->loadedScreens(), loaded);
}

void ScreensDrawnTest::loadStepCoversTheTrail() {
    QtGameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    QVERIFY(opening.isLoaded());
    QVERIFY(opening.isVisible());
    QCOMPARE(qtWindow(opening)->windowTitle(), QStringLiteral("オープニング"));
    QCOMPARE(qtWindow(opening)->client()->size(), QSize(426, 222));
    const OpeningScreenControls& c = opening.controls();
    QCOMPARE(opening.ticks(), std::int16_t(0));
    QVERIFY(c.animationTimer->isEnabled());
    QCOMPARE(c.animationTimer->interval(), 50);
    QVERIFY(!c.titleCover->isHidden());
    for (std::int16_t i = 0; i < 12; ++i) {
        QVERIFY(c.balls(i)->isHidden());
        QVERIFY(!c.footprintCovers(i)->isHidden());
        // Covers and title cover are plain areas: no picture, the window colour.
        QVERIFY(c.footprintCovers(i)->picture().empty());
        QCOMPARE(c.footprintCovers(i)->backColor(), QColor(Qt::white));
        QVERIFY(!c.balls(i)->picture().empty());
    }
    QVERIFY(c.titleCover->picture().empty());
    const auto pictureOf = [](const toolkit::PictureBox* box) {
        return widget<frontend::PictureWidget>(box)->pixmap();
    };
    QCOMPARE(pictureOf(c.background).size(), QSize(425, 225));
    QCOMPARE(pictureOf(c.balls(0)).size(), QSize(64, 63));
    QCOMPARE(pictureOf(c.balls(11)).size(), QSize(64, 64));
    // Front to back: title cover, balls, covers, background.
    const QObjectList stack = widget(c.background)->children();
    QCOMPARE(stack.last(), widget(c.titleCover));
    QVERIFY(stack.indexOf(widget(c.balls(0))) > stack.indexOf(widget(c.footprintCovers(11))));
}

void ScreensDrawnTest::realTimerEndsTheOpening() {
    // The timer is wired to the tick: left to itself, the opening ends and the game comes up.
    QtGameFixture game;
    game.start();
    QVERIFY(!game.program->mainScreen().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!game.program->openingScreen().isLoaded(), 20000);
    QVERIFY(game.program->mainScreen().isVisible());
    QCOMPARE(game.program->openingScreen().ticks(), std::int16_t(27));
}

void ScreensDrawnTest::thousandVisitsOfPracticeAndOpening() {
    QtGameFixture game;
    game.writeBytes("romajimojiren.txt", {});
    game.start();
    Program& program = *game.program;
    OpeningScreen& opening = program.openingScreen();
    while (opening.isLoaded())
        opening.onAnimationTick();
    game.flushDeletes();
    QVERIFY(program.mainScreen().isVisible());
    const int screens = program.loadedScreens(); // main and chart
    const auto windows = QApplication::topLevelWidgets().size();
    const qint64 icon = frontend::programIcon().cacheKey();
    int openingTicks = 0; // the length of the animation, the same on every visit

    for (int visit = 0; visit < 1000; ++visit) {
        program.mainScreen().onPracticeMenu();
        QVERIFY(program.practiceScreen().isVisible());
        QVERIFY(!program.mainScreen().isVisible());
        QVERIFY(program.chartWindow().isVisible());
        program.practiceScreen().onQuitPracticeMenu();
        QVERIFY(!program.practiceScreen().isLoaded());
        QVERIFY(program.mainScreen().isVisible());
        QVERIFY(!program.chartWindow().isVisible());

        program.mainScreen().onOpeningMenu();
        QVERIFY(opening.isVisible());
        // Every window carries the one program icon: a fresh icon per window filled Qt's pixmap cache
        // with copies on every visit.
        QCOMPARE(qtWindow(opening)->windowIcon().cacheKey(), icon);
        int ticks = 0;
        while (opening.isLoaded() && ticks < 100) {
            opening.onAnimationTick();
            ++ticks;
        }
        QVERIFY(!opening.isLoaded());
        if (visit == 0) openingTicks = ticks;
        QCOMPARE(ticks, openingTicks);
        QVERIFY(program.mainScreen().isVisible());

        // What the event loop does between visits: deliver posted events and delete closed windows.
        QCoreApplication::sendPostedEvents();
        game.flushDeletes();
        QCOMPARE(program.loadedScreens(), screens);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(game.errors.details.empty());
    }
    QCOMPARE(qtWindow(program.mainScreen())->windowIcon().cacheKey(), icon);
}

QTEST_MAIN(ScreensDrawnTest)
#include "test_screens_drawn.moc"
