#include "screens/main/colours.h"
#include "screens/main/form1.h"
#include "screens/main/rules.h"
#include "screens/peers.h"

using namespace mainscreen;

// The retry button: the same word dealt again in a new order, free of charge. After the first hint the hint
// button turns red to offer the last hint.
void Form1::Command2_Click() {
    placedCount = 0;
    if (hintLevel >= 1) {
        c.Command3->setBackColor(hintRed);
        c.Command3->setText(QStringLiteral("ラストヒント"));
    }
    c.Command1->hide();
    c.Command3->show();
    for (std::int16_t k = 0; k < tileCount; ++k)
        setTileShown(k, true);
    answerLineText.clear();
    markedLineText.clear();
    plainLineText.clear();
    DealTiles();
    clearAnswerLines();
    if (hintLevel > 1) c.Command3->hide();
}

// The hint button: the first hint shows some leading letters for 2 points, the last one the whole word for
// 10 points. Either hint halves the points the word will earn.
void Form1::Command3_Click() {
    PlayHint();
    ++hintLevel;
    hintFree = 1;
    Random& random = peers_.services().random;
    random.seedFromClock();
    if (hintLevel == 1) {
        hintLength = firstHintLength(random.next(), static_cast<int>(answer.size()));
        c.Label8->setText(answer.left(hintLength));
        setScore(scoreAfterCharge(score, firstHintCharge));
        c.Command3->setBackColor(lightGreen);
        c.Command3->setText(QStringLiteral("ラストヒント"));
    }
    if (hintLevel == 2) {
        c.Label8->setText(answer);
        setScore(scoreAfterCharge(score, lastHintCharge));
        c.Command3->hide();
    }
}
