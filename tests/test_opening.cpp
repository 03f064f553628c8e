// SPDX-License-Identifier: MIT
// The opening screen: its load step, the tick schedule (intervals, one ball at a time, the globe and the
// title at the twelfth tick), its end in the 26th tick bringing up the main screen (created afresh when it
// had been closed), a second show while it plays, and a close from its window frame.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QtTest>

class OpeningTest : public QObject {
    Q_OBJECT
private slots:
    void tickScheduleShowsOneBallAtATime();
    void endRecreatesAClosedMainScreen();
    void showingWhilePlayingDoesNotRestart();
    void closingTheWindowEndsTheOpening();
};

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

void OpeningTest::tickScheduleShowsOneBallAtATime() {
    GameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    const MainScreen& main = game.program->mainScreen();
    const OpeningScreenControls& c = opening.controls();
    const int intervals[12] = {50, 50, 51, 53, 55, 58, 62, 66, 71, 77, 83, 90};
    for (int tick = 1; tick <= 25; ++tick) {
        opening.onAnimationTick();
        QVERIFY2(opening.isLoaded(), qPrintable(QString::number(tick)));
        const int ball = std::min(tick, 12) - 1;
        QCOMPARE(c.animationTimer->interval(), intervals[ball]);
        QCOMPARE(opening.ticks(), std::int16_t(tick < 12 ? tick : tick + 1));
        for (std::int16_t i = 0; i < 12; ++i) {
            QCOMPARE(c.balls(i)->isHidden(), i != ball);
            QCOMPARE(c.footprintCovers(i)->isHidden(), i <= ball);
        }
        QCOMPARE(c.titleCover->isHidden(), tick >= 12);
        QVERIFY(!main.isVisible());
    }
    opening.onAnimationTick(); // the 26th tick
    QVERIFY(!opening.isLoaded());
    QVERIFY(main.isVisible());
    QCOMPARE(game.program->loadedScreens(), 2); // the main screen and the hidden chart
    QVERIFY(game.errors.details.isEmpty());
}

void OpeningTest::endRecreatesAClosedMainScreen() {
    GameFixture game;
    game.start();
    MainScreen& main = game.program->mainScreen();
    OpeningScreen& opening = game.program->openingScreen();
    main.close();
    main.stateForTests().score = 99; // the load step puts it back to 0
    for (int tick = 0; tick < 25; ++tick)
        opening.onAnimationTick();
    QVERIFY(!main.isLoaded());
    opening.onAnimationTick();
    QVERIFY(main.isLoaded());
    QVERIFY(main.isVisible());
    QCOMPARE(main.state().score, std::int16_t(0));
    // The new main screen's load step starts the opening once more, from the beginning.
    QVERIFY(opening.isLoaded());
    QVERIFY(opening.isVisible());
    QCOMPARE(opening.ticks(), std::int16_t(0));
    QVERIFY(opening.controls().balls(0)->isHidden());
    // The main screen already showing, the next end only makes it visible again.
    const int questionsBefore = main.state().questionCount;
    QCOMPARE(tickToEnd(opening), 26);
    QVERIFY(main.isVisible());
    QCOMPARE(main.state().questionCount, questionsBefore);
    QVERIFY(!opening.isLoaded());
    QVERIFY(game.errors.details.isEmpty());
}

void OpeningTest::showingWhilePlayingDoesNotRestart() {
    GameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    for (int tick = 0; tick < 5; ++tick)
        opening.onAnimationTick();
    const int loaded = game.program->loadedScreens();
    game.program->mainScreen().onOpeningMenu();
    QCOMPARE(opening.ticks(), std::int16_t(5));
    QVERIFY(!opening.controls().balls(4)->isHidden());
    QVERIFY(opening.controls().footprintCovers(4)->isHidden());
    QCOMPARE(game.program->loadedScreens(), loaded);
    QCOMPARE(tickToEnd(opening), 21);
}

void OpeningTest::closingTheWindowEndsTheOpening() {
    GameFixture game;
    game.start();
    OpeningScreen& opening = game.program->openingScreen();
    opening.onAnimationTick();
    qtWindow(opening)->close(); // as from the window frame
    QVERIFY(!opening.isLoaded());
    QVERIFY(game.program->mainScreen().isVisible());
    QVERIFY(game.errors.details.isEmpty());
}

QTEST_MAIN(OpeningTest)
#include "test_opening.moc"
