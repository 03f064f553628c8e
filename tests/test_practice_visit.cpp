// A visit to the practice screen: what opening it does to the other windows and the counters, the three ways
// back to the main screen (the "終わる" item, the window's close box, and the leaving steps' effects on the
// chart), and what carries over from one visit to the next.
#include "screens/chart/form2.h"
#include "screens/main/form1.h"
#include "screens/practice/rensyu.h"
#include "support/practicechart.h"
#include <QtTest>

class PracticeVisitTest : public QObject {
    Q_OBJECT
private slots:
    void openingHidesTheGameAndShowsTheChart();
    void leavingBringsBackTheGame();
    void closeBoxLeavesLikeTheMenu();
    void targetAndTextsCarryOverCountsAndMarksDoNot();
};

namespace {
void verifyBackOnMainScreen(GameFixture& game) {
    Program& p = *game.program;
    QVERIFY(!p.rensyu().isLoaded());
    QVERIFY(p.form1().isVisible());
    QVERIFY(p.form2().isLoaded());
    QVERIFY(!p.form2().isVisible());
    QCOMPARE(p.form1().controls().hyou->text(), QStringLiteral("ローマ字表"));
}
} // namespace

void PracticeVisitTest::openingHidesTheGameAndShowsTheChart() {
    GameFixture game;
    game.writeText(QStringLiteral("romajimojiren.txt"), fullPracticeData());
    game.start();
    Program& p = *game.program;
    p.form1().show();
    QVERIFY(!p.form2().isVisible());
    p.form1().moren_Click();
    Rensyu& r = p.rensyu();
    QVERIFY(r.isVisible());
    QVERIFY(!p.form1().isVisible());
    QVERIFY(p.form2().isVisible()); // shown although the chart was hidden before
    QVERIFY(r.controls().Command1->isVisible());
    QCOMPARE(r.correctCount, 0);
    QCOMPARE(r.tickCount, 0);
    QCOMPARE(r.tickLimit, 205);
    QCOMPARE(r.untimedFlag, 0);
    QCOMPARE(r.table.recordCount, 104);
    // The load chooses no target: the prompt stays empty until a run starts or the target timer ticks.
    QCOMPARE(r.controls().Label2->text(), QString());
    QVERIFY(!r.controls().Timer1->isEnabled());
    QVERIFY(r.controls().Timer2->isEnabled());
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVisitTest::leavingBringsBackTheGame() {
    GameFixture game;
    Rensyu& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    const int loaded = p.loadedScreens();
    r.jyoukyuu_Click();
    r.Command1_Click();
    r.rowaru_Click();
    verifyBackOnMainScreen(game);
    QCOMPARE(p.loadedScreens(), loaded - 1);

    // The chart is hidden on the way back even when the player had it shown before the visit, and the chart
    // item offers to show it again.
    p.form1().hyou_Click();
    QVERIFY(p.form2().isVisible());
    QCOMPARE(p.form1().controls().hyou->text(), QStringLiteral("表を消す"));
    p.form1().moren_Click();
    QVERIFY(r.isLoaded());
    r.rowaru_Click();
    verifyBackOnMainScreen(game);
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVisitTest::closeBoxLeavesLikeTheMenu() {
    GameFixture game;
    Rensyu& r = openPractice(game, fullPracticeData());
    r.syokyuu_Click();
    QVERIFY(r.window()->close() == false); // the screen decides; the window itself does not close
    verifyBackOnMainScreen(game);
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVisitTest::targetAndTextsCarryOverCountsAndMarksDoNot() {
    GameFixture game;
    Rensyu& r = openPractice(game, fullPracticeData());
    r.Command1_Click();
    QCOMPARE(r.targetIndex, 0); // the first target of a program run is record 0
    QCOMPARE(r.controls().Label2->text(), promptFor(0));
    for (int k = 0; k < 12; ++k)
        answerCurrentTarget(r);
    const std::int16_t lastTarget = r.targetIndex;
    const QString lastPrompt = r.targetPrompt;
    QVERIFY(lastTarget != 0);
    r.Label1_Click(49); // を, most likely a wrong click; either way it is what was clicked last
    const QString lastClicked = r.clickedText;
    r.rowaru_Click();
    QCOMPARE(r.targetIndex, lastTarget);

    game.program->form1().moren_Click();
    QVERIFY(r.isVisible());
    QCOMPARE(r.correctCount, 0);
    QCOMPARE(r.tickCount, 0);
    QCOMPARE(r.targetIndex, lastTarget);
    QCOMPARE(r.targetPrompt, lastPrompt);
    QCOMPARE(r.clickedText, lastClicked);
    QVERIFY(r.answeredKana.none());
    for (const ExpectedChartLabel& e : expectedChart()) {
        QCOMPARE(r.controls().Label1(e.index)->text(), e.kana);
        QCOMPARE(r.chartCaptions[static_cast<std::size_t>(e.index)], e.kana);
        QCOMPARE(r.controls().Label1(e.index)->backColor(), QColor(255, 255, 255));
    }
    QCOMPARE(r.controls().Label4->text(), QString());
    QCOMPARE(r.controls().Label5->text(), QStringLiteral("「級」は？"));
    for (QAction* item : {r.controls().syokyuu, r.controls().tyuukyuu, r.controls().jyoukyuu})
        QVERIFY(item->isVisible() && item->isEnabled());
    // The first target of the new visit is where the last one ended, not record 0.
    r.Command1_Click();
    QCOMPARE(r.targetIndex, lastTarget);
    QCOMPARE(r.controls().Label2->text(), lastPrompt);
    // The answer is still set from the last visit, so the first click of this visit can already count.
    answerCurrentTarget(r);
    QCOMPARE(r.correctCount, 1);
    QVERIFY(game.errors.details.isEmpty());
}

QTEST_MAIN(PracticeVisitTest)
#include "test_practice_visit.moc"
