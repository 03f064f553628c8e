// SPDX-License-Identifier: MIT
#include "screens/main/colours.h"
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/navigator.h"
#include "toolkit/text.h"

using namespace mainscreen;

// The retry button: the same word dealt again in a new order, free of charge. After the first hint the hint
// button turns red to offer the last hint.
void MainScreen::onRetryClicked() {
    s.placedCount = 0;
    if (s.hintLevel >= 1) {
        c.hintButton->setBackColor(hintRed);
        c.hintButton->setText("ラストヒント");
    }
    c.okButton->hide();
    c.hintButton->show();
    for (std::int16_t k = 0; k < tileCount; ++k)
        setTileShown(k, true);
    dealTiles();
    clearAnswerLines();
    if (s.hintLevel > 1) c.hintButton->hide();
}

// The hint button: the first hint shows some leading letters for 2 points, the last one the whole word for
// 10 points. Either hint halves the points the word will earn. A hint shows the answer in the word's
// spelling, long vowels with macrons in the spelling that draws them so.
void MainScreen::onHintClicked() {
    play(Cue::Hint);
    ++s.hintLevel;
    ++s.hintsTaken;
    s.hintTaken = true;
    Random& random = navigator_.services().random;
    random.seedFromClock();
    if (s.hintLevel == 1) {
        s.hintLength = firstHintLength(random.next(), toolkit::characterCount(s.answer));
        c.hintLabel->setText(shownAnswer(toolkit::leftCharacters(s.answer, s.hintLength)));
        setScore(scoreAfterCharge(s.score, firstHintCharge));
        c.hintButton->setBackColor(lightGreen);
        c.hintButton->setText("ラストヒント");
    }
    if (s.hintLevel == 2) {
        c.hintLabel->setText(shownAnswer(s.answer));
        setScore(scoreAfterCharge(s.score, lastHintCharge));
        c.hintButton->hide();
    }
}
