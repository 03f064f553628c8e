// SPDX-License-Identifier: MIT
#include "screens/practice/practice_screen.h"
#include "screens/datafile_message.h"
#include "screens/navigator.h"
#include "screens/practice/kana_chart.h"

using namespace toolkit;

PracticeScreen::PracticeScreen(Navigator& navigator) : Screen(navigator), navigator_(navigator) {}

std::unique_ptr<Window> PracticeScreen::build() {
    std::unique_ptr<Window> window = buildPracticeScreen(c, *this, guard());
    onKey(*window, [this](const KeyPress& key) { return onKeyDown(key); });
    // Every window comes up with the chart unanswered, each label showing its kana, and nothing typed.
    s.typedLetters.clear();
    s.answeredKana.reset();
    for (int k = 0; k < practice::chartSize; ++k)
        s.chartCaptions[static_cast<std::size_t>(k)] = chartKana(k);
    return window;
}

// Each visit starts with the main screen out of the way, the chart beside the practice screen, fresh counts
// and the practice data read anew. The target and its texts stay from the previous visit.
void PracticeScreen::onLoad() {
    verdictGiven_ = false;
    navigator_.practiceStarting();
    c.startButton->show();
    s.tickLimit = practice::runTicks;
    s.untimed = false;
    s.weakDeal = false;
    s.correctCount = 0;
    s.tickCount = 0;
    s.table = readingDataFile(
        [this] { return loadPracticeTable(navigator_.services().dataPath(practiceDataFile)); });
}

const Window* PracticeScreen::standBeside() const {
    return navigator_.chartFrame();
}

void PracticeScreen::leave() {
    if (c.targetTimer) c.targetTimer->setEnabled(false);
    if (c.runClock) c.runClock->setEnabled(false);
    close();
    navigator_.practiceOver();
}

void PracticeScreen::onQuitPracticeMenu() {
    leave();
}
