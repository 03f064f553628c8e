// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

void MainScreen::onChartMenu() {
    s.chartShown = !s.chartShown;
    navigator_.showChart(s.chartShown);
    // Clicks and keys go on in the game window although the chart has just come up.
    focus();
}

void MainScreen::onPracticeMenu() {
    navigator_.openPractice();
}

void MainScreen::onQuitMenu() {
    navigator_.quit();
}

void MainScreen::onMakerMenuOpened() {
    s.creditShown = !s.creditShown;
    c.creditLabel->setVisible(s.creditShown);
}

void MainScreen::onOpeningMenu() {
    navigator_.playOpening();
}

void MainScreen::setChartMenuCaption(const std::string& caption) {
    load();
    c.chartMenuItem->setText(caption);
}
