// The main screen's rules on their own, with no window: the score's 16-bit bounds, the points of a right
// answer, the charges and their floor, the bigger fanfare, the creatures' thresholds, the first hint's
// length, the grades at the end of a game, the letters on the answer lines, the track's four edges and
// corners, the eat zone's strict bounds and the nine-step glide into a slot.
#include "screens/main/colours.h"
#include "screens/main/rules.h"
#include "screens/main/track.h"
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
    void scoreStaysInSixteenBits_data();
    void scoreStaysInSixteenBits();
    void pointsAndCharges_data();
    void pointsAndCharges();
    void bigFanfare_data();
    void bigFanfare();
    void creatureThresholds_data();
    void creatureThresholds();
    void firstHintLength_data();
    void firstHintLength();
    void resultGrades_data();
    void resultGrades();
    void answerLinePieces_data();
    void answerLinePieces();
    void trackEdges_data();
    void trackEdges();
    void eatZone_data();
    void eatZone();
    void glide_data();
    void glide();
    void nineStepsReachTheSlot();
};

void MainRulesTest::scoreStaysInSixteenBits_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("score");
    QTest::addRow("far below") << -100000 << -32768;
    QTest::addRow("one below the bottom") << -32769 << -32768;
    QTest::addRow("the bottom") << -32768 << -32768;
    QTest::addRow("zero") << 0 << 0;
    QTest::addRow("the top") << 32767 << 32767;
    QTest::addRow("one above the top") << 32768 << 32767;
    QTest::addRow("a right answer at 32760") << 32760 + 48 << 32767;
}

void MainRulesTest::scoreStaysInSixteenBits() {
    QFETCH(int, sum);
    QFETCH(int, score);
    QCOMPARE(boundedScore(sum), score);
}

void MainRulesTest::pointsAndCharges_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("letters"); // for a right answer
    QTest::addColumn<bool>("hintTaken");
    QTest::addColumn<int>("charge"); // for a wrong answer or a hint
    QTest::addColumn<int>("afterRight");
    QTest::addColumn<int>("afterCharge");
    QTest::addRow("5 letters, no hint; wrong at 12") << 12 << 5 << false << wrongAnswerCharge << 22 << 7;
    QTest::addRow("5 letters after a hint; wrong at 5") << 5 << 5 << true << wrongAnswerCharge << 10 << 0;
    QTest::addRow("wrong at 3 gives 0, not -2") << 3 << 7 << false << wrongAnswerCharge << 17 << 0;
    QTest::addRow("the cliff's minus raised to 0") << -20 << 1 << false << wrongAnswerCharge << -18 << 0;
    QTest::addRow("first hint at 50") << 50 << 24 << true << firstHintCharge << 74 << 48;
    QTest::addRow("first hint at 1") << 1 << 24 << false << firstHintCharge << 49 << 0;
    QTest::addRow("last hint at 48") << 48 << 0 << true << lastHintCharge << 48 << 38;
    QTest::addRow("last hint at 7") << 7 << 1 << true << lastHintCharge << 8 << 0;
}

void MainRulesTest::pointsAndCharges() {
    QFETCH(int, before);
    QFETCH(int, letters);
    QFETCH(bool, hintTaken);
    QFETCH(int, charge);
    QFETCH(int, afterRight);
    QFETCH(int, afterCharge);
    QCOMPARE(before + pointsForRightAnswer(letters, hintTaken), afterRight);
    QCOMPARE(scoreAfterCharge(before, charge), afterCharge);
}

void MainRulesTest::bigFanfare_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("big");
    for (const int before : {0, 3, -3, -30, 32766})
        QTest::addRow("%d", before) << before << true;
    for (const int before : {1, 2, -4, 299, 32767})
        QTest::addRow("%d", before) << before << false;
}

void MainRulesTest::bigFanfare() {
    QFETCH(int, before);
    QFETCH(bool, big);
    QCOMPARE(earnsBigFanfare(before), big);
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

void MainRulesTest::firstHintLength_data() {
    QTest::addColumn<int>("letters");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("length");
    QTest::addRow("n = 1, lowest draw: the whole word") << 1 << 0.0 << 1;
    QTest::addRow("n = 1, highest draw: the whole word") << 1 << 0.999 << 1;
    QTest::addRow("n = 2, lowest draw") << 2 << 0.0 << 1;
    QTest::addRow("n = 2, middle draw") << 2 << 0.5 << 1;
    QTest::addRow("n = 2, highest draw: never the whole word") << 2 << 0.999 << 1;
    const double draws[] = {0.0, 0.19, 0.21, 0.45, 0.65, 0.85, 0.999};
    const int lengths[] = {1, 1, 1, 2, 3, 4, 4};
    for (int k = 0; k < 7; ++k)
        QTest::addRow("n = 5, r = %.3f", draws[k]) << 5 << draws[k] << lengths[k];
    QTest::addRow("an empty answer") << 0 << 0.5 << 1;
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
    const struct {
        int score;
        QString result;
    } rows[] = {{32767, top}, {601, top},  {600, good}, {451, good}, {450, fair},
                {200, fair},  {199, poor}, {0, poor},   {-150, poor}};
    for (const auto& row : rows)
        QTest::addRow("%d", row.score) << row.score << row.result;
}

void MainRulesTest::resultGrades() {
    QFETCH(int, score);
    QFETCH(QString, result);
    QCOMPARE(resultForScore(score), result);
}

void MainRulesTest::answerLinePieces_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QColor>("colour");
    QTest::addRow("a vowel") << "a"
                             << "a"
                             << "a"
                             << "a" << vowelBlue;
    QTest::addRow("an upper-case vowel") << "A"
                                         << "A"
                                         << "A"
                                         << "A" << letterBlack;
    QTest::addRow("a consonant") << "k"
                                 << "k"
                                 << "k"
                                 << "k" << letterBlack;
    QTest::addRow("the long-vowel mark") << "^"
                                         << "^"
                                         << "＾"
                                         << "" << letterBlack;
    QTest::addRow("blanks in front go") << "  o"
                                        << "o"
                                        << "o"
                                        << "o" << vowelBlue;
    QTest::addRow("a blank behind stays") << "e "
                                          << "e "
                                          << "e "
                                          << "e " << vowelBlue;
    QTest::addRow("a blank tile adds nothing") << " "
                                               << ""
                                               << ""
                                               << "" << letterBlack;
}

void MainRulesTest::answerLinePieces() {
    QFETCH(QString, caption);
    QFETCH(QString, letter);
    QFETCH(QString, marked);
    QFETCH(QString, plain);
    QFETCH(QColor, colour);
    QCOMPARE(pressedLetter(caption), letter);
    QCOMPARE(markedPiece(letter), marked);
    QCOMPARE(plainPiece(letter), plain);
    QCOMPARE(letterColour(caption), colour);
}

void MainRulesTest::trackEdges_data() {
    QTest::addColumn<TwipPoint>("from");
    QTest::addColumn<int>("score");
    QTest::addColumn<TwipPoint>("to");
    // Speed 5 throughout: a score of 30 makes a step of 20 twips.
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
    QTest::addRow("the bottom right corner") << TwipPoint{800, 1000} << false;
    QTest::addRow("the start") << startPlace << false;
    QTest::addRow("parked") << parkedPlace << false;
}

void MainRulesTest::eatZone() {
    QFETCH(TwipPoint, place);
    QFETCH(bool, eaten);
    QCOMPARE(inEatZone(place), eaten);
}

void MainRulesTest::glide_data() {
    QTest::addColumn<TwipPoint>("from");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("step");
    QTest::addColumn<TwipPoint>("to");
    // Slot 3 stands at (1560, 4200).
    QTest::addRow("step 1: a tenth of the way") << TwipPoint{1000, 100} << 3 << 1 << TwipPoint{1056, 510};
    QTest::addRow("step 5: half of it") << TwipPoint{2000, 3000} << 3 << 5 << TwipPoint{1780, 3600};
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

// Nine steps from the start leave 9!/10^9 of the way to slot 0 (1.49 twips of 4100): the box stands on the
// slot's pixel.
void MainRulesTest::nineStepsReachTheSlot() {
    TwipPoint at = startPlace;
    for (std::int16_t step = 1; step <= catchSteps; ++step)
        at = glideStep(at, slotPlace(0), step);
    QVERIFY(qAbs(at.left - 120) < 0.01);
    QVERIFY(qAbs(at.top - (4200 - 4100 * 0.00036288)) < 0.01);
}

QTEST_APPLESS_MAIN(MainRulesTest)
#include "test_main_rules.moc"
