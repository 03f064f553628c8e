// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

void MainScreen::onChartMenu() {
    chartShown = !chartShown;
    navigator_.showChart(chartShown);
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
    creditShown = !creditShown;
    c.creditLabel->setVisible(creditShown);
}

void MainScreen::onOpeningMenu() {
    navigator_.playOpening();
}

void MainScreen::setChartMenuCaption(const QString& caption) {
    load();
    c.chartMenuItem->setText(caption);
}
