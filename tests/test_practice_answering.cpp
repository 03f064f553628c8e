// SPDX-License-Identifier: MIT
// Answering on the practice screen: right and wrong clicks, the marks and the prompts left on answered kana,
// the count, the cues for every tenth answer, the target timer's restart, the finish at the 103rd answer, and
// the target choice that draws only unanswered kana and never loops when none is left.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QApplication>
#include <QtTest>

class PracticeAnsweringTest : public QObject {
    Q_OBJECT
private slots:
    void rightAndWrongClicks();
    void cuesForEveryTenthAnswer();
    void targetChoiceNeverLoopsForever();
    void shippedDataReachesTheFinish();
    void promptsInTheChosenSpelling();
};

namespace {
const QColor mark(255, 0, 0);
std::int16_t targetLabel(const PracticeScreen& r) {
    return r.state().table.labelList[static_cast<std::size_t>(r.state().targetIndex)];
}
} // namespace

void PracticeAnsweringTest::rightAndWrongClicks() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    r.onStartClicked();
    // A wrong click changes nothing but the count's display, which it writes even at 0.
    r.onChartLabelClicked(1);
    QCOMPARE(c.chartLabels(1)->text(), QStringLiteral("い"));
    QCOMPARE(c.countLabel->text(), QStringLiteral("0こ"));
    QCOMPARE(r.state().targetIndex, 0);
    QCOMPARE(c.chartLabels(1)->backColor(), QColor(Qt::white));
    QVERIFY(game.sound.played.isEmpty());

    r.onChartLabelClicked(0);
    QCOMPARE(c.countLabel->text(), QStringLiteral("1こ"));
    // The screen keeps what the chart shows: the kana answered, and its caption now the prompt.
    QCOMPARE(r.state().answeredKana.count(), std::size_t(1));
    QVERIFY(r.state().answeredKana.test(0));
    QCOMPARE(r.state().chartCaptions[0], promptFor(0));
    QCOMPARE(r.state().chartCaptions[1], QStringLiteral("い"));
    QCOMPARE(c.chartLabels(0)->backColor(), mark);
    QVERIFY(!c.chartLabels(0)->hasBorder());
    QCOMPARE(c.chartLabels(0)->text(), promptFor(0)); // the answered kana now shows its prompt
    QCOMPARE(game.sound.played, QList<Cue>{Cue::Correct});
    QVERIFY(r.state().targetIndex != 0);
    QCOMPARE(c.chartLabels(targetLabel(r))->backColor(), QColor(Qt::white));
    QCOMPARE(c.promptLabel->text(), r.state().targetPrompt);
    QCOMPARE(r.state().targetPrompt, promptFor(targetLabel(r)));
    QCOMPARE(r.state().targetAnswer, expectedKana(targetLabel(r)));

    // An answered kana is a wrong click from then on, even when it is clicked again.
    const std::int16_t target = r.state().targetIndex;
    r.onChartLabelClicked(0);
    QCOMPARE(c.chartLabels(0)->text(), promptFor(0));
    QCOMPARE(r.state().correctCount, 1);
    QCOMPARE(r.state().targetIndex, target);
    QCOMPARE(game.sound.played.size(), 1);
    // A target timer tick only writes the same prompt again.
    r.onTargetTick();
    QCOMPARE(r.state().targetIndex, target);
    QCOMPARE(c.promptLabel->text(), r.state().targetPrompt);
}

void PracticeAnsweringTest::cuesForEveryTenthAnswer() {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    r.onStartClicked();
    QList<Cue> expected;
    for (int n = 1; n <= 100; ++n) {
        // A wrong click before each answer: never a cue.
        r.onChartLabelClicked(targetLabel(r) == 4 ? 3 : 4);
        answerCurrentTarget(r);
        QCOMPARE(r.state().correctCount, n);
        expected << (n % 10 == 0 ? Cue::Correct100 : Cue::Correct);
        QCOMPARE(r.controls().countLabel->text(), QStringLiteral("%1こ").arg(n));
    }
    QCOMPARE(game.sound.played, expected);
    QCOMPARE(game.sound.played.count(Cue::Correct100), 10);
}

void PracticeAnsweringTest::targetChoiceNeverLoopsForever() {
    // Three records but only two kana: once both are answered no record is left to draw.
    GameFixture game;
    PracticeScreen& r = openPractice(game, QStringLiteral("a,あ,0\r\ni,い,1\r\na2,あ,0\r\n"));
    r.onStartClicked();
    answerCurrentTarget(r);
    QCOMPARE(targetLabel(r), 1); // record 2 names the answered あ, so only record 1 can be drawn
    answerCurrentTarget(r);
    QCOMPARE(r.state().correctCount, 2);
    // The last target stays; the choice returns, and so do later ones.
    QCOMPARE(r.state().targetIndex, 1);
    r.onTargetTick();
    r.chooseTarget();
    QCOMPARE(r.state().targetIndex, 1);
    QCOMPARE(r.controls().promptLabel->text(), QStringLiteral("i"));
    // Its kana now shows the prompt, so no further click can count.
    for (std::int16_t k = 0; k < 104; ++k)
        r.onChartLabelClicked(k);
    QCOMPARE(r.state().correctCount, 2);
    QVERIFY(game.errors.details.isEmpty());
}

void PracticeAnsweringTest::shippedDataReachesTheFinish() {
    // The practice data that ships with the game fits the chart: every record's kana is its label's caption,
    // and 103 right answers in a row end the visit.
    QFile shipped(QStringLiteral(POKURAKU_SOURCE_DIR "/data/romajimojiren.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    GameFixture game;
    game.writeBytes(QStringLiteral("romajimojiren.txt"), shipped.readAll());
    game.start();
    game.program->mainScreen().onPracticeMenu();
    PracticeScreen& r = game.program->practiceScreen();
    QVERIFY(game.errors.details.isEmpty());
    QVERIFY(r.state().table.recordCount >= 104);
    for (int i = 0; i < r.state().table.recordCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        QCOMPARE(QString::fromStdString(r.state().table.answerList[k]),
                 expectedKana(r.state().table.labelList[k]));
    }
    r.onNoTimeMenu(0);
    r.onBeginClicked();
    for (int n = 0; n < 103 && r.isLoaded(); ++n)
        answerCurrentTarget(r);
    QCOMPARE(r.state().correctCount, 103);
    QVERIFY(!r.isLoaded());
    QVERIFY(game.program->mainScreen().isVisible());
}

// A prompt the data writes in Kunrei is shown in the Hepburn the player chose on the main screen.
void PracticeAnsweringTest::promptsInTheChosenSpelling() {
    GameFixture game;
    game.start();
    game.program->mainScreen().onSpellingMenu(romaji::Spelling::hepburnMacron);
    PracticeScreen& r = openPractice(game, QStringLiteral("si,し,11\r\n"));
    r.onStartClicked();
    QCOMPARE(r.controls().promptLabel->text(), QStringLiteral("shi"));
}

QTEST_MAIN(PracticeAnsweringTest)
#include "test_practice_answering.moc"
