// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

using namespace toolkit;

MainScreen::MainScreen(Navigator& navigator)
    : Screen(navigator), navigator_(navigator), readAloud_(readAloudRemembered()) {
    if (toolkit::Speech* speech = navigator_.services().speech) speech->changed = [this] { showSpeaking(); };
    s.reviewDeal = reviewRemembered();
}

MainScreen::~MainScreen() {
    if (toolkit::Speech* speech = navigator_.services().speech) speech->changed = nullptr;
}

std::unique_ptr<Window> MainScreen::build() {
    std::unique_ptr<Window> window = buildMainScreen(c, *this, guard());
    onKey(*window, [this](const KeyPress& key) { return onKeyDown(key); });
    return window;
}

// Closing the main window from its frame quits the game, as the quit command does.
void MainScreen::closeRequested() {
    onQuitMenu();
}

void MainScreen::showScore() {
    // A leading blank stands where a minus sign would.
    c.scoreLabel->setText(s.score >= 0 ? " " + std::to_string(s.score) : std::to_string(s.score));
}

void MainScreen::moveCreatureTo(std::int16_t i, mainscreen::TwipPoint place) {
    s.creaturePlace[i] = place;
    // With less motion a caught creature does not glide down to its slot: its picture stays where it was
    // caught until it appears in the slot. It goes exactly as far and as fast; only its picture keeps still.
    const bool gliding = s.creatureState[i] == mainscreen::CreatureState::gliding && s.creatureShown[i];
    if (gliding && navigator_.look().lessMotion) return;
    c.creatures(i)->setPosition(place.left, place.top);
}

void MainScreen::setTileShown(std::int16_t k, bool shown) {
    s.tileShown[k] = shown;
    c.tiles(k)->setVisible(shown);
}

void MainScreen::setCreatureState(std::int16_t i, mainscreen::CreatureState state) {
    s.creatureState[i] = state;
    s.returnTicks[i] = state == mainscreen::CreatureState::parked ? 1 : 0;
}

void MainScreen::setCreatureShown(std::int16_t i, bool shown) {
    s.creatureShown[i] = shown;
    c.creatures(i)->setVisible(shown);
}

void MainScreen::clearAnswerLines() {
    s.answerLine.clear();
    s.markedLine.clear();
    s.plainLine.clear();
    c.answerLabel->setText(s.answerLine);
    c.markedLineLabel->setText(s.markedLine);
    c.plainLineLabel->setText(s.plainLine);
}
