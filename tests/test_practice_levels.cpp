// SPDX-License-Identifier: MIT
// Choosing how to practise: the three levels and their clock speeds, "タイムなし" and the begin button,
// START with and without a level, and the run clock counting from the moment the screen opened.
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include "support/stdstring.h"
#include <QtTest>

class PracticeLevelsTest : public QObject {
    Q_OBJECT
private slots:
    void levelItemsSetTheClock();
    void startWithoutLevel();
    void noTimeThenBegin();
    void clockCountsFromTheLoad();
};

void PracticeLevelsTest::levelItemsSetTheClock() {
    struct Level {
        void (PracticeScreen::*click)();
        toolkit::MenuItem* PracticeScreenControls::*item;
        int ms;
        QString confirmation, name;
    };
    const QList<Level> levels = {
        {&PracticeScreen::onBeginnerMenu, &PracticeScreenControls::beginnerMenuItem, 3000, "初級ですね",
         "初級"},
        {&PracticeScreen::onIntermediateMenu, &PracticeScreenControls::intermediateMenuItem, 2000,
         "中級ですね", "中級"},
        {&PracticeScreen::onAdvancedMenu, &PracticeScreenControls::advancedMenuItem, 1000, "上級ですね",
         "上級"},
    };
    for (const Level& level : levels) {
        GameFixture game;
        PracticeScreen& r = openPractice(game, fullPracticeData());
        const PracticeScreenControls& c = r.controls();
        r.onClockTick();
        // Twice: a level that stays in the menu can be chosen again with the same effect.
        for (int again = 0; again < 2; ++again) {
            (r.*level.click)();
            QVERIFY(c.targetTimer->isEnabled());
            QVERIFY(c.runClock->isEnabled());
            QCOMPARE(c.runClock->interval(), level.ms);
            QCOMPARE(c.statusLabel->text(), level.confirmation);
            QCOMPARE(c.levelLabel->text(), level.name);
            for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem}) {
                const bool chosen = item == c.*level.item;
                QCOMPARE(item->isVisible(), chosen);
                QCOMPARE(item->isEnabled(), chosen);
            }
            QVERIFY(c.noTimeMenuItems(0)->isVisible() && c.quitPracticeMenuItem->isVisible());
            QVERIFY(c.startButton->isVisible());
            QCOMPARE(r.state().tickCount, 1); // a level does not restart the count
        }
        // The target timer's first tick shows the visit's first target before START.
        QCOMPARE(c.promptLabel->text(), QString());
        r.onTargetTick();
        QCOMPARE(c.promptLabel->text(), promptFor(0));
        // The confirmation stays only until the clock's next tick.
        r.onClockTick();
        QCOMPARE(c.statusLabel->text(), QStringLiteral("あと203タイム"));
    }
}

void PracticeLevelsTest::startWithoutLevel() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    for (int k = 0; k < 3; ++k)
        r.onClockTick();
    r.onStartClicked();
    QVERIFY(c.targetTimer->isEnabled());
    QVERIFY(c.runClock->isEnabled());
    QCOMPARE(c.runClock->interval(), 1000);
    QVERIFY(c.startButton->isHidden());
    QVERIFY(c.instructionLabel->isHidden());
    QCOMPARE(c.levelLabel->text(), QString());
    QCOMPARE(c.promptLabel->text(), promptFor(0));
    QCOMPARE(r.state().tickCount, 3);
    // The levels stay available during the run; one chosen now only changes the speed of later ticks.
    for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem})
        QVERIFY(item->isVisible() && item->isEnabled());
    r.onIntermediateMenu();
    QCOMPARE(r.state().tickCount, 3);
    QCOMPARE(c.runClock->interval(), 2000);
    QCOMPARE(c.statusLabel->text(), QStringLiteral("中級ですね"));
}

void PracticeLevelsTest::noTimeThenBegin() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    r.onBeginnerMenu();
    r.onNoTimeMenu(0);
    QCOMPARE(c.levelLabel->text(), QStringLiteral("がんばれ"));
    QVERIFY(c.instructionLabel->isHidden());
    QVERIFY(c.statusLabel->isHidden());
    QVERIFY(c.startButton->isHidden());
    QVERIFY(c.beginButton->isVisible());
    for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem})
        QVERIFY(!item->isVisible() && !item->isEnabled());
    QVERIFY(c.noTimeMenuItems(0)->isVisible() && c.noTimeMenuItems(0)->isEnabled());
    // "No time" alone stops nothing: the clock goes on counting into the hidden time display.
    QVERIFY(c.targetTimer->isEnabled());
    QVERIFY(c.runClock->isEnabled());
    r.onClockTick();
    QCOMPARE(r.state().tickCount, 1);
    QCOMPARE(c.statusLabel->text(), QStringLiteral("あと204タイム"));
    QVERIFY(!r.state().untimed);

    r.onBeginClicked();
    QVERIFY(!c.targetTimer->isEnabled());
    QVERIFY(!c.runClock->isEnabled());
    QVERIFY(c.beginButton->isHidden());
    QVERIFY(c.statusLabel->isHidden());
    QVERIFY(r.state().untimed);
    QCOMPARE(c.promptLabel->text(), promptFor(0));
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeLevelsTest::clockCountsFromTheLoad() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    r.onClockTick();
    QCOMPARE(c.statusLabel->text(), QStringLiteral("あと204タイム"));
    for (int k = 1; k < 100; ++k)
        r.onClockTick();
    // "初級" after 100 ticks at one a second leaves 105 ticks at three seconds each.
    r.onBeginnerMenu();
    QCOMPARE(r.state().tickCount, 100);
    QCOMPARE(c.runClock->interval(), 3000);
    for (int k = 0; k < 104; ++k)
        r.onClockTick();
    QCOMPARE(c.statusLabel->text(), QStringLiteral("あと1タイム"));
    QVERIFY(game.messageBox.shown.isEmpty());
    QVERIFY(r.isLoaded());
    r.onClockTick();
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(!r.isLoaded());
}

QTEST_MAIN(PracticeLevelsTest)
#include "test_practice_levels.moc"
