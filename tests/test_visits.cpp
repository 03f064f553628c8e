// SPDX-License-Identifier: MIT
// Screens visited many times in one process: the practice screen and the opening screen opened and left
// 1 000 times each, with the screens, windows and icons checked after every visit.
#include "frontends/qt/icon.h"
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include "support/quietplatform.h"
#include "support/views.h"
#include <QApplication>
#include <QtTest>

class VisitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void thousandVisitsOfPracticeAndOpening();
};

void VisitsTest::thousandVisitsOfPracticeAndOpening() {
    GameFixture game;
    game.writeBytes(QStringLiteral("romajimojiren.txt"), {});
    game.start();
    Program& program = *game.program;
    OpeningScreen& opening = program.openingScreen();
    while (opening.isLoaded())
        opening.onAnimationTick();
    GameFixture::flushDeletes();
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
        GameFixture::flushDeletes();
        QCOMPARE(program.loadedScreens(), screens);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(game.errors.details.isEmpty());
    }
    QCOMPARE(qtWindow(program.mainScreen())->windowIcon().cacheKey(), icon);
}

QTEST_MAIN(VisitsTest)
#include "test_visits.moc"
