// SPDX-License-Identifier: MIT
// Judging an answer with the OK button: the cue chosen by the score before the answer, the points a word
// earns with and without a hint, the floor of a wrong answer, the score label's text, the creatures' twelve
// thresholds, the exact comparison of the answer line and the opening of the next question.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include "support/stdstring.h"
#include <QtTest>

class JudgingTest : public QObject {
    Q_OBJECT
private slots:
    void cueFollowsTheScoreBeforeTheAnswer();
    void pointsPerLetter();
    void wrongAnswerCostsFiveAndDealsAgain();
    void creaturesFollowTheirThresholds();
    void answerLineMustMatchExactly();
    void rightAnswerOpensTheNextQuestion();
    void scoreStopsAtItsLimit();
};

void JudgingTest::cueFollowsTheScoreBeforeTheAnswer() {
    GameFixture game(QStringLiteral("inu,いぬ\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const struct {
        int before;
        Cue cue;
    } cases[] = {{0, Cue::Correct100},   {2, Cue::Correct},     {1, Cue::Correct},
                 {3, Cue::Correct100},   {-3, Cue::Correct100}, {-4, Cue::Correct},
                 {-30, Cue::Correct100}, {299, Cue::Correct},   {32766, Cue::Correct100}};
    for (const auto& c : cases) {
        f.stateForTests().score = static_cast<std::int16_t>(c.before);
        game.sound.played.clear();
        answerRight(f);
        QVERIFY2(game.sound.played == QList<Cue>{c.cue}, qPrintable(QString::number(c.before)));
    }
}

void JudgingTest::pointsPerLetter() {
    GameFixture game(QStringLiteral("sakan,さかん\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    answerRight(f); // no hint: 2 points a letter
    QCOMPARE(f.state().score, 10);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 10"));
    f.onHintClicked(); // first hint: 2 points now, and 1 point a letter
    QCOMPARE(f.state().score, 8);
    answerRight(f);
    QCOMPARE(f.state().score, 13);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 13"));
    f.onHintClicked();
    f.onHintClicked(); // both hints: 12 points in all
    QCOMPARE(f.state().score, 1);
    answerRight(f);
    QCOMPARE(f.state().score, 6);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 6"));

    // The long-vowel mark is a letter like any other.
    GameFixture longVowel(QStringLiteral("ro^maji,ローマじ\r\n"));
    longVowel.start();
    answerRight(longVowel.program->mainScreen());
    QCOMPARE(longVowel.program->mainScreen().state().score, 14);
}

void JudgingTest::wrongAnswerCostsFiveAndDealsAgain() {
    GameFixture game(QStringLiteral("sakan,さかん\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.stateForTests().score = 5;
    f.onHintClicked(); // the hint label must survive the wrong answer
    QCOMPARE(f.state().score, 3);
    const std::string hint = c.hintLabel->text();
    placeCreature(f, 0, 100, 100);
    game.sound.played.clear();
    QVERIFY(pressLetters(f, QStringLiteral("nakas")));
    QVERIFY(!c.okButton->isHidden());
    f.onOkClicked();
    QCOMPARE(game.sound.played, QList<Cue>{Cue::Wrong});
    QCOMPARE(f.state().score, 0); // not -2
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 0"));
    QCOMPARE(f.state().answer, QStringLiteral("sakan"));
    QCOMPARE(f.state().placedCount, 0);
    QCOMPARE(f.state().hintLevel, 1);
    QCOMPARE(c.hintLabel->text(), hint);
    QVERIFY(c.okButton->isHidden());
    QVERIFY(!c.retryButton->isHidden());
    QVERIFY(!c.hintButton->isHidden());
    QVERIFY(!c.creatures(0)->isHidden()); // creatures are not touched
    QCOMPARE(c.answerLabel->text(), QString());
    QCOMPARE(c.markedLineLabel->text(), QString());
    QCOMPARE(c.plainLineLabel->text(), QString());
    QVERIFY(pressLetters(f, QStringLiteral("sakan"))); // every letter is back on the board
    QCOMPARE(f.state().placedCount, 5);

    f.onOkClicked(); // right this time: the retry cost nothing, the wrong answer cost its 5 points only
    QCOMPARE(f.state().score, 5);

    f.stateForTests().score = 12;
    f.stateForTests().answerLine = "x";
    f.onOkClicked();
    QCOMPARE(f.state().score, 7);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 7"));
    // A score the cliff made negative is raised to 0 by the floor.
    f.stateForTests().score = -20;
    f.onOkClicked();
    QCOMPARE(f.state().score, 0);
}

void JudgingTest::creaturesFollowTheirThresholds() {
    GameFixture game(QStringLiteral("a,あ\r\n")); // 2 points an answer
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    auto answerFrom = [&](int before) {
        f.stateForTests().score = static_cast<std::int16_t>(before);
        answerRight(f);
    };
    const int thresholds[12] = {20, 40, 70, 110, 160, 220, 290, 370, 460, 560, 660, 760};
    for (int k = 0; k < 12; ++k) {
        const int t = thresholds[k];
        placeCreature(f, static_cast<std::int16_t>(k), 100, 100, true);
        answerFrom(t - 2); // exactly at the threshold: a shown creature stays shown
        QVERIFY(!c.creatures(k)->isHidden());
        placeCreature(f, static_cast<std::int16_t>(k), 100, 100, false);
        answerFrom(t - 2); // ... and a hidden one stays hidden
        QVERIFY(c.creatures(k)->isHidden());
        answerFrom(t - 1); // one above: shown, with every creature of a lower threshold
        for (int j = 0; j < 12; ++j)
            QCOMPARE(c.creatures(j)->isHidden(), j > k);
        answerFrom(t - 3); // one below: hidden
        QVERIFY(c.creatures(k)->isHidden());
    }
    answerFrom(759);
    for (int j = 0; j < 12; ++j)
        QVERIFY(!c.creatures(j)->isHidden());
    answerFrom(-10); // still below the first threshold after the points: all twelve go
    QCOMPARE(f.state().score, -8);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral("-8"));
    for (int j = 0; j < 12; ++j)
        QVERIFY(c.creatures(j)->isHidden());
}

void JudgingTest::answerLineMustMatchExactly() {
    GameFixture game(QStringLiteral("ro^maji,ローマじ\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.stateForTests().answerLine = "romaji";
    f.onOkClicked();
    QCOMPARE(game.sound.played.last(), Cue::Wrong);
    QVERIFY(pressLetters(f, QStringLiteral("ro^maji")));
    QCOMPARE(c.answerLabel->text(), QStringLiteral("ro^maji"));
    f.onOkClicked();
    QCOMPARE(game.sound.played.last(), Cue::Correct100);
    QCOMPARE(f.state().score, 14);

    GameFixture plain(QStringLiteral("romaji,ローマじ\r\n"));
    plain.start();
    MainScreen& p = plain.program->mainScreen();
    p.stateForTests().answerLine = "ro^maji";
    p.onOkClicked();
    QCOMPARE(plain.sound.played.last(), Cue::Wrong);
    p.stateForTests().answerLine = "Romaji"; // upper and lower case differ
    p.onOkClicked();
    QCOMPARE(plain.sound.played.last(), Cue::Wrong);
    QCOMPARE(p.state().score, 0);
}

void JudgingTest::rightAnswerOpensTheNextQuestion() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string first = f.state().answer;
    f.stateForTests().praiseStampTicks = 9;
    f.onHintClicked();
    f.onRetryClicked(); // the hint button turns red
    QVERIFY(pressLetters(f, QString::fromStdString(f.state().answer)));
    QVERIFY(!c.okButton->isHidden());
    f.onOkClicked();
    QVERIFY(!c.praiseStamp->isHidden());
    QCOMPARE(f.state().praiseStampTicks, 0);
    QCOMPARE(f.state().solvedCount, 1);
    QVERIFY(f.state().answer != first); // five words: no repeat before the fifth question
    QCOMPARE(c.wordLabel->text(), f.state().questionWord);
    QCOMPARE(f.state().hintLevel, 0);
    QVERIFY(!f.state().hintTaken);
    QCOMPARE(c.hintLabel->text(), QString());
    QVERIFY(c.okButton->isHidden());
    QVERIFY(!c.retryButton->isHidden());
    QVERIFY(!c.hintButton->isHidden());
    QCOMPARE(c.hintButton->text(), QStringLiteral("ちょっとヒント"));
    QCOMPARE(c.hintButton->backColor(), QColor(192, 255, 192));
    QCOMPARE(c.answerLabel->text(), QString());
    QCOMPARE(f.state().placedCount, 0);
    QVERIFY(pressLetters(f, QString::fromStdString(f.state().answer))); // the new word is on the board
}

void JudgingTest::scoreStopsAtItsLimit() {
    GameFixture game(QStringLiteral("sakan,さかん\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.stateForTests().score = 32760;
    answerRight(f);
    QCOMPARE(f.state().score, 32767);
    QCOMPARE(f.controls().scoreLabel->text(), QStringLiteral(" 32767"));
    answerRight(f);
    QCOMPARE(f.state().score, 32767);
    QVERIFY(game.errors.details.isEmpty());
    for (int k = 0; k < 12; ++k)
        QVERIFY(!f.controls().creatures(k)->isHidden());
}

QTEST_MAIN(JudgingTest)
#include "test_judging.moc"
