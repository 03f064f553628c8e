// SPDX-License-Identifier: MIT
// The end of a timed run: the time display counting down, the verdict box, the way back to the main screen,
// and that the verdict comes once per visit and never in an untimed run. The verdict bands themselves are
// checked in test_practice_rules.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include "support/stdstring.h"
#include <QtTest>

class PracticeVerdictTest : public QObject {
    Q_OBJECT
private slots:
    void verdictAfterTheLastTick();
    void noSecondVerdictWhileTheBoxIsOpen();
    void untimedRunNeverGivesAVerdict();
};

void PracticeVerdictTest::verdictAfterTheLastTick() {
    // Counts reached by real answers; 31 right answers give "まだまだ！".
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    r.onStartClicked();
    for (int k = 0; k < 31; ++k)
        answerCurrentTarget(r);
    QString timeShownInBox;
    game.messageBox.whileOpen = [&] {
        timeShownInBox = QString::fromStdString(r.controls().statusLabel->text());
    };
    for (int k = 0; k < 204; ++k)
        r.onClockTick();
    QVERIFY(game.messageBox.shown.isEmpty());
    QCOMPARE(r.controls().statusLabel->text(), QStringLiteral("あと1タイム"));
    r.onClockTick();
    QCOMPARE(timeShownInBox, QStringLiteral("あと0タイム"));
    QCOMPARE(game.messageBox.shown.size(), 1);
    QCOMPARE(game.messageBox.shown[0].text, QStringLiteral("まだまだ！"));
    QCOMPARE(game.messageBox.shown[0].title, QStringLiteral("はんてい"));
    QVERIFY(game.messageBox.shown[0].icon == toolkit::MessageIcon::stop);
    QCOMPARE(r.state().verdictText, QStringLiteral("まだまだ！"));
    QVERIFY(!r.isLoaded());
    QVERIFY(p.mainScreen().isVisible());
    QVERIFY(!p.chartWindow().isVisible());
    QCOMPARE(p.mainScreen().controls().chartMenuItem->text(), QStringLiteral("ローマ字表"));

    // A visit with no choice at all still ends 205 ticks after the screen opened.
    p.mainScreen().onPracticeMenu();
    for (int k = 0; k < 205; ++k)
        r.onClockTick();
    QCOMPARE(game.messageBox.shown.size(), 2);
    QCOMPARE(game.messageBox.shown[1].text, QStringLiteral("特訓がいるぞ！"));
    QVERIFY(!r.isLoaded());
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVerdictTest::noSecondVerdictWhileTheBoxIsOpen() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    r.onStartClicked();
    const int loaded = p.loadedScreens();
    bool timersStopped = false;
    QString timeShown;
    game.messageBox.whileOpen = [&] {
        timersStopped = !r.controls().targetTimer->isEnabled() && !r.controls().runClock->isEnabled();
        // Ticks that still arrive while the box is open: the clock's change nothing, the target timer's only
        // show the prompt again.
        for (int k = 0; k < 5; ++k) {
            r.onClockTick();
            r.onTargetTick();
        }
        timeShown = QString::fromStdString(r.controls().statusLabel->text());
    };
    for (int k = 0; k < 205; ++k)
        r.onClockTick();
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(timersStopped);
    QCOMPARE(timeShown, QStringLiteral("あと0タイム"));
    QCOMPARE(r.state().tickCount, 205);
    QCOMPARE(p.loadedScreens(), loaded - 1); // the leaving steps ran once
    QVERIFY(p.mainScreen().isVisible());
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVerdictTest::untimedRunNeverGivesAVerdict() {
    {
        // After "タイムなし", the clock still runs until the begin button: reaching 205 gives the verdict.
        GameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        r.onNoTimeMenu(0);
        for (int k = 0; k < 205; ++k)
            r.onClockTick();
        QCOMPARE(game.messageBox.shown.size(), 1);
        QVERIFY(!r.isLoaded());
    }
    {
        // After the begin button both timers are off for good: answers do not start them again.
        GameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        r.onNoTimeMenu(0);
        r.onBeginClicked();
        for (int k = 0; k < 60; ++k)
            answerCurrentTarget(r);
        QVERIFY(!r.controls().targetTimer->isEnabled());
        QVERIFY(!r.controls().runClock->isEnabled());
        QVERIFY(r.controls().statusLabel->isHidden());
        QVERIFY(game.messageBox.shown.isEmpty());
        QVERIFY(r.isLoaded());
    }
}

QTEST_MAIN(PracticeVerdictTest)
#include "test_practice_verdict.moc"
