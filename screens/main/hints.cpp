// SPDX-License-Identifier: MIT
#include "screens/main/colours.h"
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/navigator.h"
#include "toolkit/qtcolour.h"

using namespace mainscreen;

// The retry button: the same word dealt again in a new order, free of charge. After the first hint the hint
// button turns red to offer the last hint.
void MainScreen::onRetryClicked() {
    placedCount = 0;
    if (hintLevel >= 1) {
        c.hintButton->setBackColor(toolkit::toQColor(hintRed));
        c.hintButton->setText(QStringLiteral("ラストヒント"));
    }
    c.okButton->hide();
    c.hintButton->show();
    for (std::int16_t k = 0; k < tileCount; ++k)
        setTileShown(k, true);
    dealTiles();
    clearAnswerLines();
    if (hintLevel > 1) c.hintButton->hide();
}

// The hint button: the first hint shows some leading letters for 2 points, the last one the whole word for
// 10 points. Either hint halves the points the word will earn.
void MainScreen::onHintClicked() {
    playHint();
    ++hintLevel;
    hintTaken = true;
    Random& random = navigator_.services().random;
    random.seedFromClock();
    if (hintLevel == 1) {
        hintLength = firstHintLength(random.next(), static_cast<int>(answer.size()));
        c.hintLabel->setText(answer.left(hintLength));
        setScore(scoreAfterCharge(score, firstHintCharge));
        c.hintButton->setBackColor(toolkit::toQColor(lightGreen));
        c.hintButton->setText(QStringLiteral("ラストヒント"));
    }
    if (hintLevel == 2) {
        c.hintLabel->setText(answer);
        setScore(scoreAfterCharge(score, lastHintCharge));
        c.hintButton->hide();
    }
}
