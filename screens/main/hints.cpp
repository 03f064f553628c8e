#include "screens/main/form1.h"
#include "screens/peers.h"
#include <algorithm>

namespace {
const QColor hintGreen(192, 255, 192);
const QColor hintRed(255, 0, 0);
} // namespace

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
    for (std::int16_t k = 0; k < 24; ++k)
        c.Label1(k)->show();
    answerLineText.clear();
    markedLineText.clear();
    plainLineText.clear();
    DealTiles();
    c.Label2->setText(QString());
    c.Label5->setText(QString());
    c.Label7->setText(QString());
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
        // From 1 to n - 1 letters: the first hint never gives away a word of two letters or more.
        hintLength = static_cast<std::int16_t>(std::max(random.below(static_cast<int>(answer.size())), 1));
        c.Label8->setText(answer.left(hintLength));
        setScore(std::max(score - 2, 0));
        c.Command3->setBackColor(hintGreen);
        c.Command3->setText(QStringLiteral("ラストヒント"));
    }
    if (hintLevel == 2) {
        c.Label8->setText(answer);
        setScore(std::max(score - 10, 0));
        c.Command3->hide();
    }
}
