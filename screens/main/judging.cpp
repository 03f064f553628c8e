#include "screens/main/form1.h"
#include <algorithm>
#include <limits>

// The OK button: a right answer earns 2 points a letter (1 after a hint), shows the praise stamp, brings out
// or sends away creatures by their thresholds and opens the next word; a wrong one costs 5 points and deals
// the same word again.
void Form1::Command1_Click() {
    placedCount = 0;
    if (hintLevel > 1) c.Command3->hide();
    answerLineText.clear();
    markedLineText.clear();
    plainLineText.clear();

    if (answer != c.Label2->text()) {
        PlayWrong();
        setScore(std::max(score - 5, 0));
        c.Command1->hide();
        c.Command2->show();
        c.Command3->show();
        placedCount = 0;
        DealTiles();
        return;
    }

    // Every third point count, zero and below included, earns the bigger fanfare.
    if (score % 3 == 0)
        PlayCorrect100();
    else
        PlayCorrect();
    hintLevel = 0;
    int points = answerLength;
    if (hintFree < 0) points += answerLength; // no hint taken: double points
    setScore(score + points);
    c.Picture4->show();
    picture4Ticks = 0;
    // A creature comes out above its threshold and goes back below it; at the threshold it stays as it is.
    for (std::int16_t k = 0; k < 12; ++k)
        if (score > creatureDefs[k].threshold) c.Picture1(k)->show();
    for (std::int16_t k = 0; k < 12; ++k)
        if (score < creatureDefs[k].threshold) c.Picture1(k)->hide();
    ++solvedCount;
    PickQuestion();
    DealTiles();
}

void Form1::setScore(int value) {
    using limits = std::numeric_limits<std::int16_t>;
    score = static_cast<std::int16_t>(std::clamp<int>(value, limits::min(), limits::max()));
    showScore();
}
