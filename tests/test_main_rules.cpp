// SPDX-License-Identifier: MIT
// The main screen's rules on their own, with no window: the score's 16-bit bounds, the points of a right
// answer, the charges and their floor, the cliff's penalty, the bigger fanfare, the creatures' thresholds,
// the first hint's length, the grades at the end of a game, the track's four edges and its corners, the eat
// zone's strict bounds and the glide into a slot.
#include "screens/main/rules.h"
#include "screens/main/track.h"
#include "support/stdstring.h"
#include <QtTest>

using namespace mainscreen;

namespace mainscreen {
char* toString(const TwipPoint& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.left).arg(p.top));
}
} // namespace mainscreen
Q_DECLARE_METATYPE(mainscreen::TwipPoint)

class MainRulesTest : public QObject {
    Q_OBJECT
private slots:
    void score_data();
    void score();
    void creatureThresholds_data();
    void creatureThresholds();
    void firstHintLength_data();
    void firstHintLength();
    void resultGrades_data();
    void resultGrades();
    void trackEdges_data();
    void trackEdges();
    void eatZone_data();
    void eatZone();
    void glide_data();
    void glide();
};

// From a score `before`: a right answer of `letters` letters, a charge (wrong answer or hint), a lost
// creature.
void MainRulesTest::score_data() {
    for (const char* column : {"before", "letters", "charge", "afterRight", "afterCharge", "afterEaten"})
        QTest::addColumn<int>(column);
    QTest::addColumn<bool>("hintTaken");
    QTest::addColumn<bool>("bigFanfare");
    const struct {
        const char* name;
        int before, letters, charge, afterRight, afterCharge, afterEaten;
        bool hintTaken, bigFanfare;
    } rows[] = {
        {"no hint: 2 a letter; wrong at 12", 12, 5, wrongAnswerCharge, 22, 7, -18, false, true},
        {"a hint: 1 a letter; wrong at 5", 5, 5, wrongAnswerCharge, 10, 0, -25, true, false},
        {"wrong at 3 gives 0, not -2", 3, 7, wrongAnswerCharge, 17, 0, -27, false, true},
        {"the cliff's minus raised to 0", -20, 1, wrongAnswerCharge, -18, 0, -50, false, false},
        {"a negative multiple of 3", -3, 2, firstHintCharge, -1, 0, -33, true, true},
        {"first hint at 50", 50, 24, firstHintCharge, 74, 48, 20, true, false},
        {"first hint at 1", 1, 24, firstHintCharge, 49, 0, -29, false, false},
        {"last hint at 48", 48, 0, lastHintCharge, 48, 38, 18, true, true},
        {"last hint at 7", 7, 1, lastHintCharge, 8, 0, -23, true, false},
        {"stops at 32767", 32760, 24, lastHintCharge, 32767, 32750, 32730, false, true},
        {"one short of the top", 32766, 1, firstHintCharge, 32767, 32764, 32736, false, true},
        {"stops at -32768", -32768, 0, wrongAnswerCharge, -32768, 0, -32768, false, false},
    };
    for (const auto& r : rows)
        QTest::addRow("%s", r.name) << r.before << r.letters << r.charge << r.afterRight << r.afterCharge
                                    << r.afterEaten << r.hintTaken << r.bigFanfare;
}

void MainRulesTest::score() {
    QFETCH(int, before);
    QFETCH(int, letters);
    QFETCH(int, charge);
    QFETCH(bool, hintTaken);
    QFETCH(int, afterRight);
    QFETCH(int, afterCharge);
    QFETCH(int, afterEaten);
    QFETCH(bool, bigFanfare);
    QCOMPARE(boundedScore(before + pointsForRightAnswer(letters, hintTaken)), afterRight);
    QCOMPARE(boundedScore(scoreAfterCharge(before, charge)), afterCharge);
    QCOMPARE(boundedScore(before - eatPenalty), afterEaten);
    QCOMPARE(earnsBigFanfare(before), bigFanfare);
}

void MainRulesTest::creatureThresholds_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("comesOut");
    QTest::addColumn<bool>("goesBack");
    for (const int threshold : {20, 760}) {
        QTest::addRow("one below %d", threshold) << threshold - 1 << threshold << false << true;
        QTest::addRow("at %d: kept as it is", threshold) << threshold << threshold << false << false;
        QTest::addRow("one above %d", threshold) << threshold + 1 << threshold << true << false;
    }
    QTest::addRow("a negative score") << -8 << 20 << false << true;
}

void MainRulesTest::creatureThresholds() {
    QFETCH(int, score);
    QFETCH(int, threshold);
    QFETCH(bool, comesOut);
    QFETCH(bool, goesBack);
    QCOMPARE(creatureComesOut(score, threshold), comesOut);
    QCOMPARE(creatureGoesBack(score, threshold), goesBack);
}

// The draw r in [0, 1) gives floor(r * n) letters, at least one.
void MainRulesTest::firstHintLength_data() {
    QTest::addColumn<int>("letters");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("length");
    const struct {
        int letters;
        double r;
        int length;
    } rows[] = {{1, 0.0, 1},  {1, 0.999, 1}, {2, 0.0, 1},  {2, 0.5, 1},  {2, 0.999, 1},
                {5, 0.0, 1},  {5, 0.19, 1},  {5, 0.21, 1}, {5, 0.45, 2}, {5, 0.65, 3},
                {5, 0.85, 4}, {5, 0.999, 4}, {0, 0.5, 1}};
    for (const auto& r : rows)
        QTest::addRow("n = %d, r = %.3f", r.letters, r.r) << r.letters << r.r << r.length;
}

void MainRulesTest::firstHintLength() {
    QFETCH(int, letters);
    QFETCH(double, r);
    QFETCH(int, length);
    QCOMPARE(mainscreen::firstHintLength(r, letters), length);
}

void MainRulesTest::resultGrades_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("result");
    const QString top = QStringLiteral("さすがじゃ！"), good = QStringLiteral("そこそこだなぁ！");
    const QString fair = QStringLiteral("まだまだ！"), poor = QStringLiteral("特訓がいるぞ！");
    const std::pair<int, QString> rows[] = {{32767, top}, {601, top},  {600, good}, {451, good}, {450, fair},
                                            {200, fair},  {199, poor}, {0, poor},   {-150, poor}};
    for (const auto& [score, result] : rows)
        QTest::addRow("%d", score) << score << result;
}

void MainRulesTest::resultGrades() {
    QFETCH(int, score);
    QFETCH(QString, result);
    QCOMPARE(resultForScore(score), result.toStdString());
}

// Speed 5 throughout: a score of 30 makes a step of 20 twips.
void MainRulesTest::trackEdges_data() {
    QTest::addColumn<TwipPoint>("from");
    QTest::addColumn<int>("score");
    QTest::addColumn<TwipPoint>("to");
    QTest::addRow("start: top edge, right") << startPlace << 30 << TwipPoint{120, 100};
    QTest::addRow("odd score: half twips") << startPlace << 31 << TwipPoint{120.5, 100};
    QTest::addRow("top edge just in sight") << TwipPoint{3000, -999.5} << 30 << TwipPoint{3020, -999.5};
    QTest::addRow("top edge out of sight") << TwipPoint{3000, -1000} << 30 << TwipPoint{3000, -1000};
    QTest::addRow("just below the top edge") << TwipPoint{3000, 100.5} << 30 << TwipPoint{3000, 100.5};
    QTest::addRow("top right corner") << TwipPoint{5530, 100} << 30 << TwipPoint{5550, 120};
    QTest::addRow("right edge exactly") << TwipPoint{5540, 500} << 30 << TwipPoint{5540, 520};
    QTest::addRow("just left of the right edge") << TwipPoint{5539.5, 500} << 30 << TwipPoint{5539.5, 500};
    QTest::addRow("bottom right corner") << TwipPoint{5540, 1090} << 30 << TwipPoint{5520, 1110};
    QTest::addRow("bottom edge exactly") << TwipPoint{3000, 1100} << 30 << TwipPoint{2980, 1100};
    QTest::addRow("just above the bottom edge") << TwipPoint{3000, 1099.5} << 30 << TwipPoint{3000, 1099.5};
    QTest::addRow("bottom left corner") << TwipPoint{110, 1100} << 30 << TwipPoint{90, 1080};
    QTest::addRow("left edge exactly") << TwipPoint{100, 1050} << 30 << TwipPoint{100, 1030};
    QTest::addRow("left edge just in sight") << TwipPoint{-999.5, 500} << 30 << TwipPoint{-999.5, 480};
    QTest::addRow("left edge out of sight") << TwipPoint{-1000, 500} << 30 << TwipPoint{-1000, 500};
    QTest::addRow("top left corner") << TwipPoint{60, 100} << 30 << TwipPoint{80, 80};
    QTest::addRow("overshoot past the left edge") << TwipPoint{150, 1100} << 2380 << TwipPoint{-1045, 1100};
    QTest::addRow("off every edge") << TwipPoint{3000, 500} << 30 << TwipPoint{3000, 500};
}

void MainRulesTest::trackEdges() {
    QFETCH(TwipPoint, from);
    QFETCH(int, score);
    QFETCH(TwipPoint, to);
    QCOMPARE(alongTrack(from, trackStep(score, 5)), to);
}

void MainRulesTest::eatZone_data() {
    QTest::addColumn<TwipPoint>("place");
    QTest::addColumn<bool>("eaten");
    QTest::addRow("top bound") << TwipPoint{400, 600} << false;
    QTest::addRow("just below the top bound") << TwipPoint{400, 600.5} << true;
    QTest::addRow("bottom bound") << TwipPoint{400, 1000} << false;
    QTest::addRow("just above the bottom bound") << TwipPoint{400, 999.5} << true;
    QTest::addRow("left bound") << TwipPoint{-300, 800} << false;
    QTest::addRow("just right of the left bound") << TwipPoint{-299.5, 800} << true;
    QTest::addRow("right bound") << TwipPoint{800, 800} << false;
    QTest::addRow("just left of the right bound") << TwipPoint{799.5, 800} << true;
    QTest::addRow("inside the top left corner") << TwipPoint{-299.5, 600.5} << true;
    QTest::addRow("the start") << startPlace << false;
    QTest::addRow("parked") << parkedPlace << false;
}

void MainRulesTest::eatZone() {
    QFETCH(TwipPoint, place);
    QFETCH(bool, eaten);
    QCOMPARE(inEatZone(place), eaten);
}

// Step k takes k tenths of the way still left to the slot (slot 3 stands at 1560, 4200).
void MainRulesTest::glide_data() {
    QTest::addColumn<TwipPoint>("from");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("step");
    QTest::addColumn<TwipPoint>("to");
    QTest::addRow("step 1: a tenth") << TwipPoint{1000, 100} << 3 << 1 << TwipPoint{1056, 510};
    QTest::addRow("step 5: half") << TwipPoint{2000, 3000} << 3 << 5 << TwipPoint{1780, 3600};
    QTest::addRow("step 9: nine tenths") << TwipPoint{1500, 4100} << 3 << 9 << TwipPoint{1554, 4190};
    QTest::addRow("slot 0, from the start") << startPlace << 0 << 5 << TwipPoint{110, 2150};
    QTest::addRow("slot 11, from above it") << TwipPoint{5400, 200} << 11 << 2 << TwipPoint{5400, 1000};
}

void MainRulesTest::glide() {
    QFETCH(TwipPoint, from);
    QFETCH(int, slot);
    QFETCH(int, step);
    QFETCH(TwipPoint, to);
    QCOMPARE(glideStep(from, slotPlace(static_cast<std::int16_t>(slot)), static_cast<std::int16_t>(step)),
             to);
}

QTEST_APPLESS_MAIN(MainRulesTest)
#include "test_main_rules.moc"
