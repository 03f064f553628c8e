// SPDX-License-Identifier: MIT
// The game's way through its screens: every step that shows, hides or closes a screen for another one.
#include "game/program.h"

void Program::playOpening() {
    openingScreen_->show();
}

void Program::openingOver() {
    mainScreen_->show();
}

void Program::prepareChart() {
    chartWindow_->load();
}

void Program::showChart(bool shown) {
    if (shown) {
        chartWindow_->show();
        mainScreen_->setChartMenuCaption("表を消す");
    } else {
        chartWindow_->hide();
        mainScreen_->setChartMenuCaption("ローマ字表");
    }
}

const toolkit::Window* Program::chartFrame() {
    return chartWindow_->window();
}

void Program::openPractice() {
    practiceScreen_->show();
}

void Program::practiceStarting() {
    mainScreen_->hide();
    chartWindow_->show();
}

void Program::practiceOver() {
    mainScreen_->show();
    chartWindow_->hide();
    // The chart is offered again without touching the main screen's own chart toggle.
    mainScreen_->setChartMenuCaption("ローマ字表");
}

void Program::keepOpeningInFront() {
    if (openingScreen_->isLoaded()) openingScreen_->show();
}

void Program::quit() {
    closeScreens(nullptr);
}

// The opening, if it plays, plays to its end: the program ends as it closes.
void Program::gameOver() {
    closeScreens(openingScreen_.get());
}

// きろく comes up in front, drawn afresh from the record as it stands.
void Program::showRecord() {
    recordWindow_->show();
    recordWindow_->recordChanged();
}
