// The opening screen: its load step, the tick schedule (intervals, one ball at a time, the globe and the
// title at the twelfth tick), its end in the 26th tick bringing up the main screen (created afresh when it
// had been closed), a second show while it plays, and a close from its window frame.
#include "screens/main/form1.h"
#include "screens/opening/cright.h"
#include "support/gamefixture.h"
#include <QtTest>

class OpeningTest : public QObject {
    Q_OBJECT
private slots:
    void loadStepCoversTheTrail();
    void tickScheduleShowsOneBallAtATime();
    void endRecreatesAClosedMainScreen();
    void showingWhilePlayingDoesNotRestart();
    void closingTheWindowEndsTheOpening();
    void realTimerEndsTheOpening();
};

namespace {
// Runs ticks until the opening is no longer loaded, at most limit ticks; returns the ticks run.
int tickToEnd(Cright& opening, int limit = 100) {
    int ticks = 0;
    while (opening.isLoaded() && ticks < limit) {
        opening.Timer1_Timer();
        ++ticks;
    }
    return ticks;
}
} // namespace

void OpeningTest::loadStepCoversTheTrail() {
    GameFixture game;
    game.start();
    Cright& opening = game.program->cright();
    QVERIFY(opening.isLoaded());
    QVERIFY(opening.isVisible());
    QCOMPARE(opening.window()->windowTitle(), QStringLiteral("オープニング"));
    QCOMPARE(opening.window()->client()->size(), QSize(426, 222));
    const CrightControls& c = opening.controls();
    QCOMPARE(opening.tickCounter, std::int16_t(0));
    QVERIFY(c.Timer1->isEnabled());
    QCOMPARE(c.Timer1->interval(), 50);
    QVERIFY(!c.Picture2->isHidden());
    for (std::int16_t i = 0; i < 12; ++i) {
        QVERIFY(c.Picture8(i)->isHidden());
        QVERIFY(!c.Picture1(i)->isHidden());
        // Covers and title cover are plain areas: no picture, the window colour.
        QVERIFY(c.Picture1(i)->picture().isNull());
        QCOMPARE(c.Picture1(i)->backColor(), QColor(Qt::white));
        QVERIFY(!c.Picture8(i)->picture().isNull());
    }
    QVERIFY(c.Picture2->picture().isNull());
    QCOMPARE(c.Picture7->picture().size(), QSize(425, 225));
    QCOMPARE(c.Picture8(0)->picture().size(), QSize(64, 63));
    QCOMPARE(c.Picture8(11)->picture().size(), QSize(64, 64));
    // Front to back: title cover, balls, covers, background.
    const QObjectList stack = c.Picture7->children();
    QCOMPARE(stack.last(), c.Picture2);
    QVERIFY(stack.indexOf(c.Picture8(0)) > stack.indexOf(c.Picture1(11)));
}

void OpeningTest::tickScheduleShowsOneBallAtATime() {
    GameFixture game;
    game.start();
    Cright& opening = game.program->cright();
    const Form1& main = game.program->form1();
    const CrightControls& c = opening.controls();
    const int intervals[12] = {50, 50, 51, 53, 55, 58, 62, 66, 71, 77, 83, 90};
    for (int tick = 1; tick <= 25; ++tick) {
        opening.Timer1_Timer();
        QVERIFY2(opening.isLoaded(), qPrintable(QString::number(tick)));
        const int ball = std::min(tick, 12) - 1;
        QCOMPARE(c.Timer1->interval(), intervals[ball]);
        QCOMPARE(opening.tickCounter, std::int16_t(tick < 12 ? tick : tick + 1));
        for (std::int16_t i = 0; i < 12; ++i) {
            QCOMPARE(c.Picture8(i)->isHidden(), i != ball);
            QCOMPARE(c.Picture1(i)->isHidden(), i <= ball);
        }
        QCOMPARE(c.Picture2->isHidden(), tick >= 12);
        QVERIFY(!main.isVisible());
    }
    opening.Timer1_Timer(); // the 26th tick
    QVERIFY(!opening.isLoaded());
    QVERIFY(main.isVisible());
    QCOMPARE(game.program->loadedScreens(), 2); // the main screen and the hidden chart
    QVERIFY(game.errors.details.isEmpty());
}

void OpeningTest::endRecreatesAClosedMainScreen() {
    GameFixture game;
    game.start();
    Form1& main = game.program->form1();
    Cright& opening = game.program->cright();
    main.close();
    main.score = 99; // the load step puts it back to 0
    for (int tick = 0; tick < 25; ++tick)
        opening.Timer1_Timer();
    QVERIFY(!main.isLoaded());
    opening.Timer1_Timer();
    QVERIFY(main.isLoaded());
    QVERIFY(main.isVisible());
    QCOMPARE(main.score, std::int16_t(0));
    // The new main screen's load step starts the opening once more, from the beginning.
    QVERIFY(opening.isLoaded());
    QVERIFY(opening.isVisible());
    QCOMPARE(opening.tickCounter, std::int16_t(0));
    QVERIFY(opening.controls().Picture8(0)->isHidden());
    // The main screen already showing, the next end only makes it visible again.
    const int questionsBefore = main.questionCount;
    QCOMPARE(tickToEnd(opening), 26);
    QVERIFY(main.isVisible());
    QCOMPARE(main.questionCount, questionsBefore);
    QVERIFY(!opening.isLoaded());
    QVERIFY(game.errors.details.isEmpty());
}

void OpeningTest::showingWhilePlayingDoesNotRestart() {
    GameFixture game;
    game.start();
    Cright& opening = game.program->cright();
    for (int tick = 0; tick < 5; ++tick)
        opening.Timer1_Timer();
    const int loaded = game.program->loadedScreens();
    game.program->form1().sakusya_Click();
    QCOMPARE(opening.tickCounter, std::int16_t(5));
    QVERIFY(!opening.controls().Picture8(4)->isHidden());
    QVERIFY(opening.controls().Picture1(4)->isHidden());
    QCOMPARE(game.program->loadedScreens(), loaded);
    QCOMPARE(tickToEnd(opening), 21);
}

void OpeningTest::closingTheWindowEndsTheOpening() {
    GameFixture game;
    game.start();
    Cright& opening = game.program->cright();
    opening.Timer1_Timer();
    opening.window()->close(); // as from the window frame
    QVERIFY(!opening.isLoaded());
    QVERIFY(game.program->form1().isVisible());
    QVERIFY(game.errors.details.isEmpty());
}

void OpeningTest::realTimerEndsTheOpening() {
    // The timer is wired to the tick: left to itself, the opening ends and the game comes up.
    GameFixture game;
    game.start();
    QVERIFY(!game.program->form1().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!game.program->cright().isLoaded(), 20000);
    QVERIFY(game.program->form1().isVisible());
    QCOMPARE(game.program->cright().tickCounter, std::int16_t(27));
}

QTEST_MAIN(OpeningTest)
#include "test_opening.moc"
