// SPDX-License-Identifier: MIT
#include "screens/navigator.h"
#include "screens/practice/practice_screen.h"
#include "toolkit/messagebox.h"

// The run clock counts the visit's ticks down in the time display; at the limit the player gets the verdict
// on the correct answers and goes back to the main screen. The verdict is given once per visit: both timers
// stop before the box opens, and a tick that still arrives while it is open does nothing.
void PracticeScreen::onClockTick() {
    if (verdictGiven_) return;
    ++s.tickCount;
    c.statusLabel->setText("あと" + std::to_string(practice::runTicks - s.tickCount) + "タイム");
    if (s.tickCount < s.tickLimit) return;
    verdictGiven_ = true;
    c.targetTimer->setEnabled(false);
    c.runClock->setEnabled(false);
    s.verdictText = practice::verdictFor(s.correctCount);
    navigator_.services().messageBox.show(s.verdictText, "はんてい", toolkit::MessageIcon::stop,
                                          [this] { guard().run([&] { leave(); }); });
}
