// SPDX-License-Identifier: MIT
#include "screens/navigator.h"
#include "screens/practice/practice_screen.h"
#include "toolkit/messagebox.h"

// The run clock counts the visit's ticks down in the time display; at the limit the player gets the verdict
// on the correct answers and goes back to the main screen. The verdict is given once per visit: both timers
// stop before the box opens, and a tick that still arrives while it is open does nothing.
void PracticeScreen::onClockTick() {
    if (verdictGiven_) return;
    ++tickCount;
    c.statusLabel->setText(QStringLiteral("あと%1タイム").arg(practice::runTicks - tickCount));
    if (tickCount < tickLimit) return;
    verdictGiven_ = true;
    c.targetTimer->setEnabled(false);
    c.runClock->setEnabled(false);
    verdictText = QString::fromStdString(practice::verdictFor(correctCount));
    practiceResult =
        navigator_.services().messageBox.show(verdictText, QStringLiteral("はんてい"), toolkit::styleStop);
    if (practiceResult > 0) leave();
}
