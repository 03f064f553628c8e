// SPDX-License-Identifier: MIT
#include "screens/practice/practice_screen.h"
#include "screens/datafile_message.h"
#include "screens/navigator.h"
#include "screens/practice/kana_chart.h"

using namespace toolkit;

PracticeScreen::PracticeScreen(Navigator& navigator) : Screen(navigator), navigator_(navigator) {}

ScreenWindow* PracticeScreen::build() {
    ScreenWindow* window = buildPracticeScreen(c);
    // Every window comes up with the chart unanswered, each label showing its kana.
    answeredKana.reset();
    for (int k = 0; k < practice::chartSize; ++k)
        chartCaptions[static_cast<std::size_t>(k)] = chartKana(k);
    for (std::int16_t k = 0; k < c.chartLabels.count(); ++k)
        on(c.chartLabels(k), &Label::clicked, [this, k] { onChartLabelClicked(k); });
    on(c.startButton, &Button::clicked, [this] { onStartClicked(); });
    on(c.beginButton, &Button::clicked, [this] { onBeginClicked(); });
    on(c.targetTimer, &Timer::tick, [this] { onTargetTick(); });
    on(c.runClock, &Timer::tick, [this] { onClockTick(); });
    on(c.beginnerMenuItem, &QAction::triggered, [this] { onBeginnerMenu(); });
    on(c.intermediateMenuItem, &QAction::triggered, [this] { onIntermediateMenu(); });
    on(c.advancedMenuItem, &QAction::triggered, [this] { onAdvancedMenu(); });
    on(c.noTimeMenuItems(0), &QAction::triggered, [this] { onNoTimeMenu(0); });
    on(c.quitPracticeMenuItem, &QAction::triggered, [this] { onQuitPracticeMenu(); });
    return window;
}

// Each visit starts with the main screen out of the way, the chart beside the practice screen, fresh counts
// and the practice data read anew. The target and its texts stay from the previous visit.
void PracticeScreen::onLoad() {
    verdictGiven_ = false;
    navigator_.practiceStarting();
    c.startButton->show();
    tickLimit = practice::runTicks;
    untimed = false;
    correctCount = 0;
    tickCount = 0;
    table = readingDataFile(
        [this] { return loadPracticeTable(navigator_.services().dataPath(practiceDataFile)); });
}

const QWidget* PracticeScreen::standBeside() const {
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
