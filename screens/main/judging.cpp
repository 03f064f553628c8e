#include "screens/main/form1.h"
#include "screens/main/rules.h"

using namespace mainscreen;

// The OK button: a right answer earns 2 points a letter (1 after a hint), shows the praise stamp, brings out
// or sends away creatures by their thresholds and opens the next word; a wrong one costs 5 points and deals
// the same word again.
void Form1::Command1_Click() {
    placedCount = 0;
    if (hintLevel > 1) c.Command3->hide();
    answerLineText.clear();
    markedLineText.clear();
    plainLineText.clear();

    if (answer != answerLine) {
        PlayWrong();
        setScore(scoreAfterCharge(score, wrongAnswerCharge));
        c.Command1->hide();
        c.Command2->show();
        c.Command3->show();
        placedCount = 0;
        DealTiles();
        return;
    }

    if (earnsBigFanfare(score))
        PlayCorrect100();
    else
        PlayCorrect();
    hintLevel = 0;
    setScore(score + pointsForRightAnswer(answerLength, hintFree >= 0));
    c.Picture4->show();
    picture4Ticks = 0;
    for (std::int16_t k = 0; k < creatureCount; ++k)
        if (creatureComesOut(score, creatureDefs[k].threshold)) setCreatureShown(k, true);
    for (std::int16_t k = 0; k < creatureCount; ++k)
        if (creatureGoesBack(score, creatureDefs[k].threshold)) setCreatureShown(k, false);
    ++solvedCount;
    PickQuestion();
    DealTiles();
}

void Form1::setScore(int value) {
    score = boundedScore(value);
    showScore();
}
