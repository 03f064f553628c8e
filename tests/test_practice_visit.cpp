// SPDX-License-Identifier: MIT
// A visit to the practice screen: what opening it does to the other windows and the counters, the three ways
// back to the main screen (the "終わる" item, the window's close box, and the leaving steps' effects on the
// chart), and what carries over from one visit to the next.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QtTest>

class PracticeVisitTest : public QObject {
    Q_OBJECT
private slots:
    void openingHidesTheGameAndShowsTheChart();
    void leavingBringsBackTheGame();
    void targetAndTextsCarryOverCountsAndMarksDoNot();
};

namespace {
void verifyBackOnMainScreen(GameFixture& game) {
    Program& p = *game.program;
    QVERIFY(!p.practiceScreen().isLoaded());
    QVERIFY(p.mainScreen().isVisible());
    QVERIFY(p.chartWindow().isLoaded());
    QVERIFY(!p.chartWindow().isVisible());
    QCOMPARE(p.mainScreen().controls().chartMenuItem->text(), QStringLiteral("ローマ字表"));
}
} // namespace

void PracticeVisitTest::openingHidesTheGameAndShowsTheChart() {
    GameFixture game;
    game.writeText(QStringLiteral("romajimojiren.txt"), fullPracticeData());
    game.start();
    Program& p = *game.program;
    p.mainScreen().show();
    QVERIFY(!p.chartWindow().isVisible());
    p.mainScreen().onPracticeMenu();
    PracticeScreen& r = p.practiceScreen();
    QVERIFY(r.isVisible());
    QVERIFY(!p.mainScreen().isVisible());
    QVERIFY(p.chartWindow().isVisible()); // shown although the chart was hidden before
    QVERIFY(r.controls().startButton->isVisible());
    QCOMPARE(r.state().correctCount, 0);
    QCOMPARE(r.state().tickCount, 0);
    QCOMPARE(r.state().tickLimit, 205);
    QVERIFY(!r.state().untimed);
    QCOMPARE(r.state().table.recordCount, 104);
    // The load chooses no target: the prompt stays empty until a run starts or the target timer ticks.
    QCOMPARE(r.controls().promptLabel->text(), QString());
    QVERIFY(!r.controls().targetTimer->isEnabled());
    QVERIFY(r.controls().runClock->isEnabled());
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVisitTest::leavingBringsBackTheGame() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    Program& p = *game.program;
    const int loaded = p.loadedScreens();
    r.onAdvancedMenu();
    r.onStartClicked();
    r.onQuitPracticeMenu();
    verifyBackOnMainScreen(game);
    QCOMPARE(p.loadedScreens(), loaded - 1);

    // The chart is hidden on the way back even when the player had it shown before the visit, and the chart
    // item offers to show it again.
    p.mainScreen().onChartMenu();
    QVERIFY(p.chartWindow().isVisible());
    QCOMPARE(p.mainScreen().controls().chartMenuItem->text(), QStringLiteral("表を消す"));
    p.mainScreen().onPracticeMenu();
    QVERIFY(r.isLoaded());
    r.onQuitPracticeMenu();
    verifyBackOnMainScreen(game);
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeVisitTest::targetAndTextsCarryOverCountsAndMarksDoNot() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    r.onStartClicked();
    QCOMPARE(r.state().targetIndex, 0); // the first target of a program run is record 0
    QCOMPARE(r.controls().promptLabel->text(), promptFor(0));
    for (int k = 0; k < 12; ++k)
        answerCurrentTarget(r);
    const std::int16_t lastTarget = r.state().targetIndex;
    const std::string lastPrompt = r.state().targetPrompt;
    QVERIFY(lastTarget != 0);
    r.onChartLabelClicked(49); // を, most likely a wrong click
    r.onQuitPracticeMenu();
    QCOMPARE(r.state().targetIndex, lastTarget);

    game.program->mainScreen().onPracticeMenu();
    QVERIFY(r.isVisible());
    QCOMPARE(r.state().correctCount, 0);
    QCOMPARE(r.state().tickCount, 0);
    QCOMPARE(r.state().targetIndex, lastTarget);
    QCOMPARE(r.state().targetPrompt, lastPrompt);
    QVERIFY(r.state().answeredKana.none());
    for (const ExpectedChartLabel& e : expectedChart()) {
        QCOMPARE(r.controls().chartLabels(e.index)->text(), e.kana);
        QCOMPARE(r.state().chartCaptions[static_cast<std::size_t>(e.index)], e.kana);
        QCOMPARE(r.controls().chartLabels(e.index)->backColor(), QColor(255, 255, 255));
    }
    QCOMPARE(r.controls().countLabel->text(), QString());
    QCOMPARE(r.controls().statusLabel->text(), QStringLiteral("「級」は？"));
    for (toolkit::MenuItem* item :
         {r.controls().beginnerMenuItem, r.controls().intermediateMenuItem, r.controls().advancedMenuItem})
        QVERIFY(item->isVisible() && item->isEnabled());
    // The first target of the new visit is where the last one ended, not record 0.
    r.onStartClicked();
    QCOMPARE(r.state().targetIndex, lastTarget);
    QCOMPARE(r.controls().promptLabel->text(), lastPrompt);
    // The answer is still set from the last visit, so the first click of this visit can already count.
    answerCurrentTarget(r);
    QCOMPARE(r.state().correctCount, 1);
    QVERIFY(game.errors.details.isEmpty());
}

QTEST_MAIN(PracticeVisitTest)
#include "test_practice_visit.moc"
