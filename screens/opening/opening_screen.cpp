// SPDX-License-Identifier: MIT
#include "screens/opening/opening_screen.h"
#include "screens/navigator.h"
#include "screens/opening/hops.h"

using namespace opening;

OpeningScreen::OpeningScreen(Navigator& navigator) : Screen(navigator), navigator_(navigator) {}

void OpeningScreen::onLoad() {
    tickCounter = 0;
    c.animationTimer->setEnabled(true);
    c.animationTimer->setInterval(firstIntervalMs);
    for (std::int16_t i = 0; i < hopCount; ++i) {
        c.balls(i)->hide();
        c.footprintCovers(i)->show();
    }
    if (navigator_.look().lessMotion) showLastPicture();
}

// With less motion the ball never hops: the opening shows its last picture from the start, the globe and
// the title over the whole trail, and ends when it would have.
void OpeningScreen::showLastPicture() {
    for (std::int16_t i = 0; i < hopCount; ++i) {
        c.balls(i)->setVisible(i == lastHop);
        c.footprintCovers(i)->hide();
    }
    c.titleCover->hide();
}

void OpeningScreen::onAnimationTick() {
    const std::int16_t n = tickCounter;
    const bool still = navigator_.look().lessMotion;
    if (still) showLastPicture();
    if (n <= lastHop) {
        // One ball at a time: the previous one goes before the next appears, and its footprint is uncovered.
        if (!still) {
            if (n >= 1) c.balls(n - 1)->hide();
            c.balls(n)->show();
            c.footprintCovers(n)->hide();
        }
        // The ball slows down as it goes: 50, 50, 51, 53 … 90 ms.
        c.animationTimer->setInterval(intervalAfterHop(n));
        tickCounter = static_cast<std::int16_t>(n + 1);
    }
    if (tickCounter > lastHop) {
        // The last hop: the ball has become the globe and the title shows.
        c.balls(lastHop)->show();
        c.titleCover->hide();
        ++tickCounter;
    }
    // Fourteen quiet ticks later the opening gives way to the game.
    if (tickCounter == closingCount) finish();
}

void OpeningScreen::finish() {
    window()->hide();
    close();
    navigator_.openingOver();
}

// The player cannot stop the opening, but closing its window must not leave the game hidden: it ends
// the opening at once, as its last tick would.
void OpeningScreen::closeRequested() {
    finish();
}
