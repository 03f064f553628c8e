// SPDX-License-Identifier: MIT
#include "screens/practice/practice_screen_definition.h"
#include "screens/practice/kana_chart.h"
#include "screens/practice/look.h"
#include "screens/practice/rules.h"
#include "toolkit/builder.h"
#include "toolkit/icon.h"
#include "toolkit/qtcolour.h"
#include "toolkit/twips.h"
#include <QIcon>
#include <QMenuBar>

using namespace toolkit;
using namespace practiceLook;

namespace {

// Labels from back to front: the count lies in front of the time display where the two overlap.
void buildLabels(QWidget* w, PracticeScreenControls& c) {
    c.instructionLabel = makeLabel(w, {{2520, 1920, 2415, 255},
                                       QStringLiteral("　次の文字をクリックしなさい"),
                                       toQColor(red),
                                       toQColor(paper)});
    c.levelLabel = makeLabel(w, {{2760, 2160, 1935, 255},
                                 QString(),
                                 toQColor(red),
                                 toQColor(paper),
                                 {QString::fromUtf8(pGothic), 11.25, true}});
    c.promptLabel = makeLabel(w, {{2760, 2520, 1935, 855},
                                  QString(),
                                  Qt::black,
                                  toQColor(windowColour),
                                  {QString::fromUtf8(pGothic), 20.25}});
    c.statusLabel = makeLabel(w, {{1560, 3600, 2175, 375},
                                  QStringLiteral("「級」は？"),
                                  toQColor(red),
                                  toQColor(paper),
                                  {QString::fromUtf8(pGothic), 14.25}});
    c.countLabel = makeLabel(w, {{3480, 3480, 1335, 495},
                                 QString(),
                                 toQColor(red),
                                 toQColor(windowColour),
                                 {QString::fromUtf8(pGothic), 18},
                                 Qt::AlignLeft,
                                 true,
                                 true});
}

// Buttons lie in front of the labels; the begin button covers the count exactly while it is shown.
void buildButtons(QWidget* w, PracticeScreenControls& c) {
    c.startButton = makeButton(w, {{2520, 3120, 855, 375}, QStringLiteral("START"), toQColor(startBack)});
    c.beginButton = makeButton(w, {{3480, 3480, 1335, 495},
                                   QStringLiteral("はじめる"),
                                   toQColor(beginBack),
                                   {QString::fromUtf8(pGothic), 11.25},
                                   false});
    for (Button* b : {c.startButton, c.beginButton})
        b->setCursor(Qt::ArrowCursor);
}

void buildMenus(ScreenWindow* window, PracticeScreenControls& c) {
    QMenuBar* bar = window->menuBar();
    c.beginnerMenuItem = bar->addAction(QStringLiteral("初級"));
    c.intermediateMenuItem = bar->addAction(QStringLiteral("中級"));
    c.advancedMenuItem = bar->addAction(QStringLiteral("上級"));
    c.noTimeMenuItems.set(0, bar->addAction(QStringLiteral("タイムなし")));
    c.quitPracticeMenuItem = bar->addAction(QStringLiteral("終わる"));
}

} // namespace

ScreenWindow* buildPracticeScreen(PracticeScreenControls& c) {
    auto* window = new ScreenWindow(QStringLiteral("ローマ字練習"), {px(7485), px(4035)});
    window->setDesignPosition({px(4965), px(3945)}); // below the main window, right of the chart window
    window->setWindowIcon(toolkit::programIcon());
    QWidget* w = window->client();
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, toQColor(paper));
    w->setPalette(palette);
    buildChart(w, c.chartLabels);
    buildLabels(w, c);
    buildButtons(w, c);
    buildMenus(window, c);
    c.targetTimer = new Timer(window, practice::targetTimerMs, false);
    // The run clock ticks from the moment the window exists.
    c.runClock = new Timer(window, practice::runClockMs, true);
    nameControls({{window, "rensyu"},
                  {c.promptLabel, "Label2"},
                  {c.instructionLabel, "Label3"},
                  {c.countLabel, "Label4"},
                  {c.statusLabel, "Label5"},
                  {c.levelLabel, "Label6"},
                  {c.startButton, "Command1"},
                  {c.beginButton, "Command2"},
                  {c.targetTimer, "Timer1"},
                  {c.runClock, "Timer2"},
                  {c.beginnerMenuItem, "syokyuu"},
                  {c.intermediateMenuItem, "tyuukyuu"},
                  {c.advancedMenuItem, "jyoukyuu"},
                  {c.quitPracticeMenuItem, "rowaru"}});
    return window;
}
