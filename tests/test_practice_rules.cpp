// SPDX-License-Identifier: MIT
// The practice screen's rules without a window: the verdict bands, the cue for every tenth answer, the
// finish count, and the target choice, which keeps an unanswered target, draws only records whose kana is
// unanswered and always returns, also when none is left.
#include "screens/practice/rules.h"
#include "services/random/random.h"
#include "support/stdstring.h"
#include "toolkit/runtimeerror.h"
#include <QtTest>
#include <set>

using namespace practice;

class PracticeRulesTest : public QObject {
    Q_OBJECT
private slots:
    void verdictBands_data();
    void verdictBands();
    void cueAndFinish_data();
    void cueAndFinish();
    void targetChoice_data();
    void targetChoice();
    void drawsOnlyUnansweredRecords();
    void labelOffTheChartIsAnError_data();
    void labelOffTheChartIsAnError();
};

namespace {

PracticeTable tableOf(const QList<int>& labels) {
    PracticeTable table;
    for (int i = 0; i < labels.size(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        table.promptList[k] = "p" + std::to_string(i);
        table.answerList[k] = "k" + std::to_string(labels[i]);
        table.labelList[k] = static_cast<std::int16_t>(labels[i]);
    }
    table.recordCount = static_cast<std::int16_t>(labels.size());
    return table;
}

AnsweredKana answeredOf(const QList<int>& labels) {
    AnsweredKana answered;
    for (int label : labels)
        answered.set(static_cast<std::size_t>(label));
    return answered;
}

// Hands out the scripted numbers in turn and then repeats the last one for ever; counts the draws and
// notes any draw asked for another range than the table's records.
struct ScriptedDraw {
    QList<int> numbers;
    int range = 0;
    int draws = 0;
    bool wrongRange = false;
    Draw draw() {
        return [this](int n) {
            wrongRange = wrongRange || n != range;
            const int at = std::min(draws, static_cast<int>(numbers.size()) - 1);
            ++draws;
            return numbers.isEmpty() ? 0 : numbers[at];
        };
    }
};

} // namespace

void PracticeRulesTest::verdictBands_data() {
    QTest::addColumn<int>("correct");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("0") << 0 << "特訓がいるぞ！";
    QTest::newRow("29") << 29 << "特訓がいるぞ！";
    QTest::newRow("30") << 30 << "まだまだ！";
    QTest::newRow("60") << 60 << "まだまだ！";
    QTest::newRow("61") << 61 << "そこそこだなぁ！";
    QTest::newRow("100") << 100 << "そこそこだなぁ！";
    QTest::newRow("101") << 101 << "さすがじゃ！";
    QTest::newRow("102") << 102 << "さすがじゃ！";
}

void PracticeRulesTest::verdictBands() {
    QFETCH(int, correct);
    QFETCH(QString, verdict);
    QCOMPARE(verdictFor(static_cast<std::int16_t>(correct)), verdict.toStdString());
}

void PracticeRulesTest::cueAndFinish_data() {
    QTest::addColumn<int>("correct");
    QTest::addColumn<Cue>("cue");
    QTest::addColumn<bool>("finishes");
    QTest::newRow("1st") << 1 << Cue::Correct << false;
    QTest::newRow("9th") << 9 << Cue::Correct << false;
    QTest::newRow("10th") << 10 << Cue::Correct100 << false;
    QTest::newRow("11th") << 11 << Cue::Correct << false;
    QTest::newRow("20th") << 20 << Cue::Correct100 << false;
    QTest::newRow("100th") << 100 << Cue::Correct100 << false;
    QTest::newRow("102nd") << 102 << Cue::Correct << false;
    QTest::newRow("103rd") << 103 << Cue::Correct << true;
    QTest::newRow("110th") << 110 << Cue::Correct100 << true;
}

void PracticeRulesTest::cueAndFinish() {
    QFETCH(int, correct);
    QFETCH(Cue, cue);
    QFETCH(bool, finishes);
    QCOMPARE(cueForAnswer(static_cast<std::int16_t>(correct)), cue);
    QCOMPARE(finishesVisit(static_cast<std::int16_t>(correct)), finishes);
}

void PracticeRulesTest::targetChoice_data() {
    QTest::addColumn<QList<int>>("labels"); // the label number of each record
    QTest::addColumn<QList<int>>("answered");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("drawsMade"); // -1: as many as it takes
    const QList<int> four = {0, 1, 2, 3};
    QTest::newRow("unanswered target stays") << four << QList<int>{} << 2 << QList<int>{0} << 2 << 0;
    QTest::newRow("stays while others are answered")
        << four << QList<int>{0, 1, 3} << 2 << QList<int>{} << 2 << 0;
    QTest::newRow("first visit keeps record 0") << four << QList<int>{} << 0 << QList<int>{3} << 0 << 0;
    QTest::newRow("answered target: one draw") << four << QList<int>{1} << 1 << QList<int>{3} << 3 << 1;
    QTest::newRow("draws again past answered kana")
        << four << QList<int>{0, 1, 2} << 0 << QList<int>{1, 0, 2, 1, 3} << 3 << 5;
    QTest::newRow("a draw may hit the record just answered")
        << four << QList<int>{2} << 2 << QList<int>{2, 0} << 0 << 2;
    // Several records may name one kana: once it is answered, all of them are skipped.
    QTest::newRow("record sharing an answered kana")
        << QList<int>{5, 7, 5, 9} << QList<int>{5} << 0 << QList<int>{2, 2, 3} << 3 << 3;
    QTest::newRow("none left: the target stays")
        << QList<int>{0, 1, 0} << QList<int>{0, 1} << 1 << QList<int>{0} << 1 << 0;
    QTest::newRow("empty table") << QList<int>{} << QList<int>{} << 0 << QList<int>{} << 0 << 0;
    QTest::newRow("empty table, kana of record 0 answered")
        << QList<int>{} << QList<int>{0} << 0 << QList<int>{} << 0 << 0;
    // A draw that keeps giving the same answered record still ends, on a record that is left.
    QTest::newRow("a stuck draw still ends") << four << QList<int>{0, 1, 3} << 0 << QList<int>{0} << 2 << -1;
    QTest::newRow("a stuck draw wraps round") << four << QList<int>{1, 2, 3} << 1 << QList<int>{3} << 0 << -1;
}

void PracticeRulesTest::targetChoice() {
    QFETCH(QList<int>, labels);
    QFETCH(QList<int>, answered);
    QFETCH(int, current);
    QFETCH(QList<int>, draws);
    QFETCH(int, target);
    QFETCH(int, drawsMade);
    const PracticeTable table = tableOf(labels);
    ScriptedDraw script{draws, static_cast<int>(labels.size())};
    const std::int16_t next =
        nextTarget(table, answeredOf(answered), static_cast<std::int16_t>(current), script.draw());
    QCOMPARE(next, target);
    if (drawsMade >= 0) QCOMPARE(script.draws, drawsMade);
    QVERIFY(!script.wrongRange);
}

void PracticeRulesTest::drawsOnlyUnansweredRecords() {
    // The real generator, re-seeded from a frozen clock before each choice as the screen does: every choice
    // lands on a record whose kana is unanswered, and every such record comes up.
    QList<int> labels;
    for (int k = 0; k < chartSize; ++k)
        labels << k;
    const PracticeTable table = tableOf(labels);
    AnsweredKana answered;
    for (int k = 0; k < chartSize; k += 2)
        answered.set(static_cast<std::size_t>(k));
    std::uint64_t clock = 5;
    Random random([&] { return clock; });
    std::set<int> drawn;
    for (int n = 0; n < 2000; ++n) {
        random.seedFromClock();
        const std::int16_t next = nextTarget(table, answered, 0, random);
        QVERIFY2(next % 2 == 1, qPrintable(QString::number(next)));
        drawn.insert(next);
    }
    QCOMPARE(drawn.size(), std::size_t(chartSize / 2));

    // Answered one after another, the targets run through all 104 kana, each once; then the last one stays.
    AnsweredKana progress;
    std::int16_t target = 0;
    std::set<int> targets;
    for (int n = 0; n < chartSize; ++n) {
        random.seedFromClock();
        target = nextTarget(table, progress, target, random);
        QVERIFY(!progress.test(static_cast<std::size_t>(target)));
        targets.insert(target);
        progress.set(static_cast<std::size_t>(target));
    }
    QCOMPARE(targets.size(), std::size_t(chartSize));
    QCOMPARE(nextTarget(table, progress, target, random), target);
}

void PracticeRulesTest::labelOffTheChartIsAnError_data() {
    QTest::addColumn<int>("label");
    QTest::newRow("past the chart") << 104;
    QTest::newRow("negative") << -1;
}

void PracticeRulesTest::labelOffTheChartIsAnError() {
    // Met when the choice looks at the record, as an error the program reports, never undefined behaviour.
    QFETCH(int, label);
    const PracticeTable table = tableOf({0, label});
    ScriptedDraw script{{1}, 2};
    try {
        nextTarget(table, answeredOf({0}), 0, script.draw());
        QFAIL("a label number off the chart was taken");
    } catch (const toolkit::RuntimeError& e) {
        QCOMPARE(QString::fromStdString(e.detail()),
                 QStringLiteral("Subscript out of range: Label1(%1)").arg(label));
    }
    QVERIFY_THROWS_EXCEPTION(toolkit::RuntimeError, isAnswered(AnsweredKana{}, label));
}

QTEST_GUILESS_MAIN(PracticeRulesTest)
#include "test_practice_rules.moc"
