// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"

using namespace mainscreen;

// The OK button: a right answer earns 2 points a letter (1 after a hint), shows the praise stamp, brings out
// or sends away creatures by their thresholds and opens the next word; a wrong one costs 5 points and deals
// the same word again.
void MainScreen::onOkClicked() {
    s.placedCount = 0;
    if (s.hintLevel > 1) c.hintButton->hide();

    if (s.answer != s.answerLine) {
        recordWrongAnswer();
        play(Cue::Wrong);
        setScore(scoreAfterCharge(s.score, wrongAnswerCharge));
        c.okButton->hide();
        c.retryButton->show();
        c.hintButton->show();
        s.placedCount = 0;
        dealTiles();
        return;
    }

    if (earnsBigFanfare(s.score))
        play(Cue::Correct100);
    else
        play(Cue::Correct);
    s.hintLevel = 0;
    setScore(s.score + pointsForRightAnswer(s.answerLength, s.hintTaken));
    c.praiseStamp->show();
    s.praiseStampTicks = 0;
    for (std::int16_t k = 0; k < creatureCount; ++k)
        if (creatureComesOut(s.score, creatureDefs[k].threshold)) setCreatureShown(k, true);
    for (std::int16_t k = 0; k < creatureCount; ++k)
        if (creatureGoesBack(s.score, creatureDefs[k].threshold)) setCreatureShown(k, false);
    ++s.solvedCount;
    recordWord();
    recordGame();
    pickQuestion();
    dealTiles();
}

void MainScreen::setScore(int value) {
    s.score = boundedScore(value);
    showScore();
}
