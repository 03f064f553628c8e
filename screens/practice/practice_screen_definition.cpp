// SPDX-License-Identifier: MIT
#include "screens/practice/practice_screen_definition.h"
#include "screens/practice/kana_chart.h"
#include "screens/practice/look.h"
#include "screens/practice/practice_screen.h"
#include "screens/practice/rules.h"
#include "toolkit/builder.h"

using namespace toolkit;
using namespace practiceLook;

namespace {

// Labels from back to front: the count lies in front of the time display where the two overlap.
void buildLabels(Window& w, PracticeScreenControls& c) {
    c.instructionLabel =
        makeLabel(w, nullptr, {{2520, 1920, 2415, 255}, "　次の文字をクリックしなさい", red, paper});
    c.levelLabel = makeLabel(w, nullptr, {{2760, 2160, 1935, 255}, "", red, paper, {pGothic, 11.25, true}});
    c.promptLabel =
        makeLabel(w, nullptr, {{2760, 2520, 1935, 855}, "", black, windowColour, {pGothic, 20.25}});
    c.statusLabel =
        makeLabel(w, nullptr, {{1560, 3600, 2175, 375}, "「級」は？", red, paper, {pGothic, 14.25}});
    c.countLabel = makeLabel(
        w, nullptr, {{3480, 3480, 1335, 495}, "", red, windowColour, {pGothic, 18}, Align::left, true, true});
    // In the corner the chart leaves free below its plain kana.
    c.typingLabel =
        makeLabel(w, nullptr, {{0, 3630, 1545, 405}, typingHelp, windowText, paper, {pGothic, 9}});
}

// Buttons lie in front of the labels; the begin button covers the count exactly while it is shown.
void buildButtons(Window& w, PracticeScreenControls& c) {
    c.startButton = makeButton(w, nullptr, {{2520, 3120, 855, 375}, "START", startBack});
    c.beginButton =
        makeButton(w, nullptr, {{3480, 3480, 1335, 495}, "はじめる", beginBack, {pGothic, 11.25}, false});
    for (Button* b : {c.startButton, c.beginButton})
        b->setCursor(arrowCursor);
}

void buildMenus(Window& window, PracticeScreenControls& c) {
    MenuItem& bar = window.menuBar();
    c.beginnerMenuItem = bar.add("初級");
    c.intermediateMenuItem = bar.add("中級");
    c.advancedMenuItem = bar.add("上級");
    c.noTimeMenuItems.set(0, bar.add("タイムなし"));
    c.quitPracticeMenuItem = bar.add("終わる");
    // After 終わる, so that the items the screen has always had keep their places.
    c.weakMenuItem = bar.add("にがてを れんしゅう");
}

} // namespace

std::unique_ptr<Window> buildPracticeScreen(PracticeScreenControls& c, PracticeScreen& screen, Guard& guard) {
    auto window = std::make_unique<Window>("ローマ字練習", 7485, 4035);
    window->setDesignPosition({4965, 3945}); // below the main window, right of the chart window
    window->setBackColor(paper);
    buildChart(*window, c.chartLabels);
    for (std::int16_t k = 0; k < c.chartLabels.count(); ++k)
        wire(guard, c.chartLabels(k)->clicked, [&screen, k] { screen.onChartLabelClicked(k); });
    buildLabels(*window, c);
    buildButtons(*window, c);
    buildMenus(*window, c);
    c.targetTimer = window->addTimer(practice::targetTimerMs, false);
    // The run clock ticks from the moment the window exists.
    c.runClock = window->addTimer(practice::runClockMs, true);
    PracticeScreen* s = &screen;
    define(guard,
           {{window.get(), "rensyu"},
            {c.promptLabel, "Label2"},
            {c.instructionLabel, "Label3"},
            {c.countLabel, "Label4"},
            {c.statusLabel, "Label5"},
            {c.levelLabel, "Label6"},
            {c.typingLabel, "typingLabel"},
            {c.startButton, "Command1", c.startButton->clicked, [s] { s->onStartClicked(); }},
            {c.beginButton, "Command2", c.beginButton->clicked, [s] { s->onBeginClicked(); }},
            {c.targetTimer, "Timer1", c.targetTimer->tick, [s] { s->onTargetTick(); }},
            {c.runClock, "Timer2", c.runClock->tick, [s] { s->onClockTick(); }},
            {c.beginnerMenuItem, "syokyuu", c.beginnerMenuItem->triggered, [s] { s->onBeginnerMenu(); }},
            {c.intermediateMenuItem, "tyuukyuu", c.intermediateMenuItem->triggered,
             [s] { s->onIntermediateMenu(); }},
            {c.advancedMenuItem, "jyoukyuu", c.advancedMenuItem->triggered, [s] { s->onAdvancedMenu(); }},
            {c.weakMenuItem, "weakMenuItem", c.weakMenuItem->triggered, [s] { s->onWeakMenu(); }},
            {c.quitPracticeMenuItem, "rowaru", c.quitPracticeMenuItem->triggered,
             [s] { s->onQuitPracticeMenu(); }}});
    wire(guard, c.noTimeMenuItems(0)->triggered, [s] { s->onNoTimeMenu(0); });
    return window;
}
