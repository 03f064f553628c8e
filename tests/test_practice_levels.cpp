// Choosing how to practise: the three levels and their clock speeds, "タイムなし" and the begin button,
// START with and without a level, and the run clock counting from the moment the screen opened.
#include "screens/practice/rensyu.h"
#include "support/practicechart.h"
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
        void (Rensyu::*click)();
        QAction* RensyuControls::*item;
        int ms;
        QString confirmation, name;
    };
    const QList<Level> levels = {
        {&Rensyu::syokyuu_Click, &RensyuControls::syokyuu, 3000, "初級ですね", "初級"},
        {&Rensyu::tyuukyuu_Click, &RensyuControls::tyuukyuu, 2000, "中級ですね", "中級"},
        {&Rensyu::jyoukyuu_Click, &RensyuControls::jyoukyuu, 1000, "上級ですね", "上級"},
    };
    for (const Level& level : levels) {
        GameFixture game;
        Rensyu& r = openPractice(game, fullPracticeData());
        const RensyuControls& c = r.controls();
        r.Timer2_Timer();
        // Twice: a level that stays in the menu can be chosen again with the same effect.
        for (int again = 0; again < 2; ++again) {
            (r.*level.click)();
            QVERIFY(c.Timer1->isEnabled());
            QVERIFY(c.Timer2->isEnabled());
            QCOMPARE(c.Timer2->interval(), level.ms);
            QCOMPARE(c.Label5->text(), level.confirmation);
            QCOMPARE(c.Label6->text(), level.name);
            for (QAction* item : {c.syokyuu, c.tyuukyuu, c.jyoukyuu}) {
                const bool chosen = item == c.*level.item;
                QCOMPARE(item->isVisible(), chosen);
                QCOMPARE(item->isEnabled(), chosen);
            }
            QVERIFY(c.bb(0)->isVisible() && c.rowaru->isVisible());
            QVERIFY(c.Command1->isVisible());
            QCOMPARE(r.tickCount, 1); // a level does not restart the count
        }
        // The target timer's first tick shows the visit's first target before START.
        QCOMPARE(c.Label2->text(), QString());
        r.Timer1_Timer();
        QCOMPARE(c.Label2->text(), promptFor(0));
        // The confirmation stays only until the clock's next tick.
        r.Timer2_Timer();
        QCOMPARE(c.Label5->text(), QStringLiteral("あと203タイム"));
    }
}

void PracticeLevelsTest::startWithoutLevel() {
    GameFixture game;
    Rensyu& r = openPractice(game, fullPracticeData());
    const RensyuControls& c = r.controls();
    for (int k = 0; k < 3; ++k)
        r.Timer2_Timer();
    r.Command1_Click();
    QVERIFY(c.Timer1->isEnabled());
    QVERIFY(c.Timer2->isEnabled());
    QCOMPARE(c.Timer2->interval(), 1000);
    QVERIFY(c.Command1->isHidden());
    QVERIFY(c.Label3->isHidden());
    QCOMPARE(c.Label6->text(), QString());
    QCOMPARE(c.Label2->text(), promptFor(0));
    QCOMPARE(r.tickCount, 3);
    // The levels stay available during the run; one chosen now only changes the speed of later ticks.
    for (QAction* item : {c.syokyuu, c.tyuukyuu, c.jyoukyuu})
        QVERIFY(item->isVisible() && item->isEnabled());
    r.tyuukyuu_Click();
    QCOMPARE(r.tickCount, 3);
    QCOMPARE(c.Timer2->interval(), 2000);
    QCOMPARE(c.Label5->text(), QStringLiteral("中級ですね"));
}

void PracticeLevelsTest::noTimeThenBegin() {
    GameFixture game;
    Rensyu& r = openPractice(game, fullPracticeData());
    const RensyuControls& c = r.controls();
    r.syokyuu_Click();
    r.bb_Click(0);
    QCOMPARE(c.Label6->text(), QStringLiteral("がんばれ"));
    QVERIFY(c.Label3->isHidden());
    QVERIFY(c.Label5->isHidden());
    QVERIFY(c.Command1->isHidden());
    QVERIFY(c.Command2->isVisible());
    for (QAction* item : {c.syokyuu, c.tyuukyuu, c.jyoukyuu})
        QVERIFY(!item->isVisible() && !item->isEnabled());
    QVERIFY(c.bb(0)->isVisible() && c.bb(0)->isEnabled());
    // "No time" alone stops nothing: the clock goes on counting into the hidden time display.
    QVERIFY(c.Timer1->isEnabled());
    QVERIFY(c.Timer2->isEnabled());
    r.Timer2_Timer();
    QCOMPARE(r.tickCount, 1);
    QCOMPARE(c.Label5->text(), QStringLiteral("あと204タイム"));
    QCOMPARE(r.untimedFlag, 0);

    r.Command2_Click();
    QVERIFY(!c.Timer1->isEnabled());
    QVERIFY(!c.Timer2->isEnabled());
    QVERIFY(c.Command2->isHidden());
    QVERIFY(c.Label5->isHidden());
    QCOMPARE(r.untimedFlag, 1);
    QCOMPARE(c.Label2->text(), promptFor(0));
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeLevelsTest::clockCountsFromTheLoad() {
    GameFixture game;
    Rensyu& r = openPractice(game, fullPracticeData());
    const RensyuControls& c = r.controls();
    r.Timer2_Timer();
    QCOMPARE(c.Label5->text(), QStringLiteral("あと204タイム"));
    for (int k = 1; k < 100; ++k)
        r.Timer2_Timer();
    // "初級" after 100 ticks at one a second leaves 105 ticks at three seconds each.
    r.syokyuu_Click();
    QCOMPARE(r.tickCount, 100);
    QCOMPARE(c.Timer2->interval(), 3000);
    for (int k = 0; k < 104; ++k)
        r.Timer2_Timer();
    QCOMPARE(c.Label5->text(), QStringLiteral("あと1タイム"));
    QVERIFY(game.messageBox.shown.isEmpty());
    QVERIFY(r.isLoaded());
    r.Timer2_Timer();
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(!r.isLoaded());
}

QTEST_MAIN(PracticeLevelsTest)
#include "test_practice_levels.moc"
