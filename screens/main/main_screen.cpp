// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

using namespace toolkit;

MainScreen::MainScreen(Navigator& navigator) : Screen(navigator), navigator_(navigator) {}

ScreenWindow* MainScreen::build() {
    ScreenWindow* window = buildMainScreen(c);
    for (std::int16_t k = 0; k < 24; ++k)
        on(c.tiles(k), &Label::mouseDown, [this, k] { onTilePressed(k); });
    for (std::int16_t k = 0; k < 12; ++k) {
        on(c.creatures(k), &PictureBox::clicked, [this, k] { onCreatureClicked(k); });
        on(c.parkingSlots(k), &PictureBox::clicked, [this, k] { onSlotClicked(k); });
    }
    on(c.okButton, &Button::clicked, [this] { onOkClicked(); });
    on(c.retryButton, &Button::clicked, [this] { onRetryClicked(); });
    on(c.hintButton, &Button::clicked, [this] { onHintClicked(); });
    on(c.chaseTimer, &Timer::tick, [this] { onChaseTick(); });
    on(c.catchTimer, &Timer::tick, [this] { onCatchTick(); });
    on(c.chartMenuItem, &QAction::triggered, [this] { onChartMenu(); });
    on(c.practiceMenuItem, &QAction::triggered, [this] { onPracticeMenu(); });
    on(c.quitMenuItem, &QAction::triggered, [this] { onQuitMenu(); });
    on(c.makerMenu, &QMenu::aboutToShow, [this] { onMakerMenuOpened(); });
    on(c.openingMenuItem, &QAction::triggered, [this] { onOpeningMenu(); });
    onKey(window, [this](const KeyPress& key) { return onKeyDown(key); });
    return window;
}

// Closing the main window from its frame quits the game, as the quit command does.
void MainScreen::closeRequested() {
    onQuitMenu();
}

void MainScreen::showScore() {
    // A leading blank stands where a minus sign would.
    c.scoreLabel->setText(score >= 0 ? QStringLiteral(" %1").arg(score) : QString::number(score));
}

void MainScreen::moveCreatureTo(std::int16_t i, mainscreen::TwipPoint place) {
    creaturePlace[i] = place;
    c.creatures(i)->setPosition(place.left, place.top);
}

void MainScreen::setTileShown(std::int16_t k, bool shown) {
    tileShown[k] = shown;
    c.tiles(k)->setVisible(shown);
}

void MainScreen::setCreatureShown(std::int16_t i, bool shown) {
    creatureShown[i] = shown;
    c.creatures(i)->setVisible(shown);
}

void MainScreen::clearAnswerLines() {
    answerLine.clear();
    markedLine.clear();
    plainLine.clear();
    c.answerLabel->setText(answerLine);
    c.markedLineLabel->setText(markedLine);
    c.plainLineLabel->setText(plainLine);
}
