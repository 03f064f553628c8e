// SPDX-License-Identifier: MIT
// Judging an answer with the OK button: the cue chosen by the score before the answer, the points a word
// earns with and without a hint, the floor of a wrong answer, the score label's text, the creatures' twelve
// thresholds, the exact comparison of the answer line and the opening of the next question.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Judging, cueFollowsTheScoreBeforeTheAnswer) {
    GameFixture game("inu,いぬ\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const struct {
        int before;
        Cue cue;
    } cases[] = {{0, Cue::Correct100},   {2, Cue::Correct},     {1, Cue::Correct},
                 {3, Cue::Correct100},   {-3, Cue::Correct100}, {-4, Cue::Correct},
                 {-30, Cue::Correct100}, {299, Cue::Correct},   {32766, Cue::Correct100}};
    for (const auto& c : cases) {
        f.setScoreForTests(c.before);
        game.sound.played.clear();
        answerRight(f);
        ASSERT_EQ(game.sound.played, std::vector<Cue>{c.cue}) << c.before;
    }
}

TEST(Judging, pointsPerLetter) {
    GameFixture game("sakan,さかん\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    answerRight(f); // no hint: 2 points a letter
    ASSERT_EQ(f.state().score, 10);
    ASSERT_EQ(c.scoreLabel->text(), " 10"s);
    f.onHintClicked(); // first hint: 2 points now, and 1 point a letter
    ASSERT_EQ(f.state().score, 8);
    answerRight(f);
    ASSERT_EQ(f.state().score, 13);
    ASSERT_EQ(c.scoreLabel->text(), " 13"s);
    f.onHintClicked();
    f.onHintClicked(); // both hints: 12 points in all
    ASSERT_EQ(f.state().score, 1);
    answerRight(f);
    ASSERT_EQ(f.state().score, 6);
    ASSERT_EQ(c.scoreLabel->text(), " 6"s);

    // The long-vowel mark is a letter like any other.
    GameFixture longVowel("ro^maji,ローマじ\r\n"s);
    longVowel.start();
    answerRight(longVowel.program->mainScreen());
    ASSERT_EQ(longVowel.program->mainScreen().state().score, 14);
}

TEST(Judging, wrongAnswerCostsFiveAndDealsAgain) {
    GameFixture game("sakan,さかん\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.setScoreForTests(5);
    f.onHintClicked(); // the hint label must survive the wrong answer
    ASSERT_EQ(f.state().score, 3);
    const std::string hint = c.hintLabel->text();
    placeCreature(f, 0, 100, 100);
    game.sound.played.clear();
    ASSERT_TRUE(pressLetters(f, "nakas"s));
    ASSERT_TRUE(!c.okButton->isHidden());
    f.onOkClicked();
    ASSERT_EQ(game.sound.played, std::vector<Cue>{Cue::Wrong});
    ASSERT_EQ(f.state().score, 0); // not -2
    ASSERT_EQ(c.scoreLabel->text(), " 0"s);
    ASSERT_EQ(f.state().answer, "sakan"s);
    ASSERT_EQ(f.state().placedCount, 0);
    ASSERT_EQ(f.state().hintLevel, 1);
    ASSERT_EQ(c.hintLabel->text(), hint);
    ASSERT_TRUE(c.okButton->isHidden());
    ASSERT_TRUE(!c.retryButton->isHidden());
    ASSERT_TRUE(!c.hintButton->isHidden());
    ASSERT_TRUE(!c.creatures(0)->isHidden()); // creatures are not touched
    ASSERT_EQ(c.answerLabel->text(), std::string());
    ASSERT_EQ(c.markedLineLabel->text(), std::string());
    ASSERT_EQ(c.plainLineLabel->text(), std::string());
    ASSERT_TRUE(pressLetters(f, "sakan"s)); // every letter is back on the board
    ASSERT_EQ(f.state().placedCount, 5);

    f.onOkClicked(); // right this time: the retry cost nothing, the wrong answer cost its 5 points only
    ASSERT_EQ(f.state().score, 5);

    f.setScoreForTests(12);
    f.setAnswerLineForTests("x");
    f.onOkClicked();
    ASSERT_EQ(f.state().score, 7);
    ASSERT_EQ(c.scoreLabel->text(), " 7"s);
    // A score the cliff made negative is raised to 0 by the floor.
    f.setScoreForTests(-20);
    f.onOkClicked();
    ASSERT_EQ(f.state().score, 0);
}

TEST(Judging, creaturesFollowTheirThresholds) {
    GameFixture game("a,あ\r\n"s); // 2 points an answer
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    auto answerFrom = [&](int before) {
        f.setScoreForTests(before);
        answerRight(f);
    };
    const int thresholds[12] = {20, 40, 70, 110, 160, 220, 290, 370, 460, 560, 660, 760};
    for (int k = 0; k < 12; ++k) {
        const int t = thresholds[k];
        placeCreature(f, static_cast<std::int16_t>(k), 100, 100, true);
        answerFrom(t - 2); // exactly at the threshold: a shown creature stays shown
        ASSERT_TRUE(!c.creatures(k)->isHidden());
        placeCreature(f, static_cast<std::int16_t>(k), 100, 100, false);
        answerFrom(t - 2); // ... and a hidden one stays hidden
        ASSERT_TRUE(c.creatures(k)->isHidden());
        answerFrom(t - 1); // one above: shown, with every creature of a lower threshold
        for (int j = 0; j < 12; ++j)
            ASSERT_EQ(c.creatures(j)->isHidden(), j > k);
        answerFrom(t - 3); // one below: hidden
        ASSERT_TRUE(c.creatures(k)->isHidden());
    }
    answerFrom(759);
    for (int j = 0; j < 12; ++j)
        ASSERT_TRUE(!c.creatures(j)->isHidden());
    answerFrom(-10); // still below the first threshold after the points: all twelve go
    ASSERT_EQ(f.state().score, -8);
    ASSERT_EQ(c.scoreLabel->text(), "-8"s);
    for (int j = 0; j < 12; ++j)
        ASSERT_TRUE(c.creatures(j)->isHidden());
}

TEST(Judging, answerLineMustMatchExactly) {
    GameFixture game("ro^maji,ローマじ\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.setAnswerLineForTests("romaji");
    f.onOkClicked();
    ASSERT_EQ(game.sound.played.back(), Cue::Wrong);
    ASSERT_TRUE(pressLetters(f, "ro^maji"s));
    ASSERT_EQ(c.answerLabel->text(), "ro^maji"s);
    f.onOkClicked();
    ASSERT_EQ(game.sound.played.back(), Cue::Correct100);
    ASSERT_EQ(f.state().score, 14);

    GameFixture plain("romaji,ローマじ\r\n"s);
    plain.start();
    MainScreen& p = plain.program->mainScreen();
    p.setAnswerLineForTests("ro^maji");
    p.onOkClicked();
    ASSERT_EQ(plain.sound.played.back(), Cue::Wrong);
    p.setAnswerLineForTests("Romaji"); // upper and lower case differ
    p.onOkClicked();
    ASSERT_EQ(plain.sound.played.back(), Cue::Wrong);
    ASSERT_EQ(p.state().score, 0);
}

TEST(Judging, rightAnswerOpensTheNextQuestion) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string first = f.state().answer;
    f.setPraiseTicksForTests(9);
    f.onHintClicked();
    f.onRetryClicked(); // the hint button turns red
    ASSERT_TRUE(pressLetters(f, f.state().answer));
    ASSERT_TRUE(!c.okButton->isHidden());
    f.onOkClicked();
    ASSERT_TRUE(!c.praiseStamp->isHidden());
    ASSERT_EQ(f.state().praiseStampTicks, 0);
    ASSERT_EQ(f.state().solvedCount, 1);
    ASSERT_TRUE(f.state().answer != first); // five words: no repeat before the fifth question
    ASSERT_EQ(c.wordLabel->text(), f.state().questionWord);
    ASSERT_EQ(f.state().hintLevel, 0);
    ASSERT_TRUE(!f.state().hintTaken);
    ASSERT_EQ(c.hintLabel->text(), std::string());
    ASSERT_TRUE(c.okButton->isHidden());
    ASSERT_TRUE(!c.retryButton->isHidden());
    ASSERT_TRUE(!c.hintButton->isHidden());
    ASSERT_EQ(c.hintButton->text(), "ちょっとヒント"s);
    ASSERT_EQ(c.hintButton->backColor(), (toolkit::Colour{192, 255, 192}));
    ASSERT_EQ(c.answerLabel->text(), std::string());
    ASSERT_EQ(f.state().placedCount, 0);
    ASSERT_TRUE(pressLetters(f, f.state().answer)); // the new word is on the board
}

TEST(Judging, scoreStopsAtItsLimit) {
    GameFixture game("sakan,さかん\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.setScoreForTests(32760);
    answerRight(f);
    ASSERT_EQ(f.state().score, 32767);
    ASSERT_EQ(f.controls().scoreLabel->text(), " 32767"s);
    answerRight(f);
    ASSERT_EQ(f.state().score, 32767);
    ASSERT_TRUE(game.errors.details.empty());
    for (int k = 0; k < 12; ++k)
        ASSERT_TRUE(!f.controls().creatures(k)->isHidden());
}
