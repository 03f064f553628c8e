#include "screens/opening/cright.h"
#include "screens/opening/hops.h"
#include "screens/peers.h"

using namespace opening;

Cright::Cright(ScreenPeers& peers) : Screen(peers), peers_(peers) {}

void Cright::Form_Load() {
    tickCounter = 0;
    c.Timer1->setEnabled(true);
    c.Timer1->setInterval(firstIntervalMs);
    for (std::int16_t i = 0; i < hopCount; ++i) {
        c.Picture8(i)->hide();
        c.Picture1(i)->show();
    }
}

void Cright::Timer1_Timer() {
    const std::int16_t n = tickCounter;
    if (n <= lastHop) {
        // One ball at a time: the previous one goes before the next appears, and its footprint is uncovered.
        if (n >= 1) c.Picture8(n - 1)->hide();
        c.Picture8(n)->show();
        c.Picture1(n)->hide();
        // The ball slows down as it goes: 50, 50, 51, 53 … 90 ms.
        c.Timer1->setInterval(intervalAfterHop(n));
        tickCounter = static_cast<std::int16_t>(n + 1);
    }
    if (tickCounter > lastHop) {
        // The last hop: the ball has become the globe and the title shows.
        c.Picture8(lastHop)->show();
        c.Picture2->hide();
        ++tickCounter;
    }
    // Fourteen quiet ticks later the opening gives way to the game.
    if (tickCounter == closingCount) finish();
}

void Cright::finish() {
    window()->hide();
    close();
    peers_.form1().show();
}

// The player cannot stop the opening, but closing its window must not leave the game hidden: it ends
// the opening at once, as its last tick would.
void Cright::closeRequested() {
    finish();
}
