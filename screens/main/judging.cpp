// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"

using namespace mainscreen;

// The OK button: a right answer earns 2 points a letter (1 after a hint), shows the praise stamp, brings out
// or sends away creatures by their thresholds and opens the next word; a wrong one costs 5 points and deals
// the same word again.
void MainScreen::onOkClicked() {
    placedCount = 0;
    if (hintLevel > 1) c.hintButton->hide();

    if (answer != answerLine) {
        playWrong();
        setScore(scoreAfterCharge(score, wrongAnswerCharge));
        c.okButton->hide();
        c.retryButton->show();
        c.hintButton->show();
        placedCount = 0;
        dealTiles();
        return;
    }

    if (earnsBigFanfare(score))
        playCorrect100();
    else
        playCorrect();
    hintLevel = 0;
    setScore(score + pointsForRightAnswer(answerLength, hintTaken));
    c.praiseStamp->show();
    praiseStampTicks = 0;
    for (std::int16_t k = 0; k < creatureCount; ++k)
        if (creatureComesOut(score, creatureDefs[k].threshold)) setCreatureShown(k, true);
    for (std::int16_t k = 0; k < creatureCount; ++k)
        if (creatureGoesBack(score, creatureDefs[k].threshold)) setCreatureShown(k, false);
    ++solvedCount;
    pickQuestion();
    dealTiles();
}

void MainScreen::setScore(int value) {
    score = boundedScore(value);
    showScore();
}
