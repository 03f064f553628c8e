// SPDX-License-Identifier: MIT
#include "screens/main/letterkeys.h"
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"

// The letter rules know the ^ keys by number; these are the numbers the front ends give them.
static_assert(caretKey == toolkit::keys::caret && deadCaretKey == toolkit::keys::deadCircumflex);

// A key pressed on the main window. A letter presses the tile that carries it, exactly as the mouse does;
// Enter presses OK, Escape the retry button and the Down arrow saves the creature nearest the cliff. Enter
// does nothing while OK is hidden, even when the retry or hint button holds the focus: it only ever submits a
// finished answer, never deals the word again or spends points on a hint. A key no tile carries does nothing.
bool MainScreen::onKeyDown(const toolkit::KeyPress& key) {
    switch (key.key) {
    case toolkit::keys::enter:
    case toolkit::keys::keypadEnter:
        if (!c.okButton->isHidden()) onOkClicked();
        return true;
    case toolkit::keys::escape:
        if (c.retryButton->isHidden()) return false;
        onRetryClicked();
        return true;
    case toolkit::keys::down:
        saveNearestCreature();
        return true;
    default:
        break;
    }
    const std::string letter = letterOfKey(key.key, key.text);
    const TileBoard board = tileBoard();
    std::optional<int> tile = tileForKey(letter, board);
    // In the spelling that draws long vowels with a macron, the minus key (ー's key on a Japanese keyboard)
    // presses the mark too, unless a tile carries a minus sign of its own.
    if (!tile && letter == "-" && markLook() == mainscreen::MarkLook::macron) tile = tileForKey("^", board);
    if (!tile) return false;
    onTilePressed(static_cast<std::int16_t>(*tile));
    return true;
}

// The board as the keys see it: each tile's letter and whether it is still there to press.
TileBoard MainScreen::tileBoard() const {
    TileBoard board;
    for (std::int16_t k = 0; k < mainscreen::tileCount; ++k)
        board[k] = {mainscreen::pressedLetter(s.dealtLetters[k]), s.tileShown[k]};
    return board;
}

// The creature nearest the cliff among those a click could reach now (shown, switched on, on the field) is
// clicked. While a catch runs the others are locked, and so is the key: it does what a click on them does,
// nothing.
void MainScreen::saveNearestCreature() {
    if (c.catchTimer->isEnabled()) return;
    std::array<bool, mainscreen::creatureCount> saveable{};
    for (std::int16_t i = 0; i < mainscreen::creatureCount; ++i) {
        const toolkit::PictureBox* creature = c.creatures(i);
        saveable[i] =
            creature->isVisible() && creature->isEnabled() &&
            mainscreen::inField(s.creaturePlace[i], window()->clientWidth(), window()->clientHeight());
    }
    if (const std::optional<std::int16_t> nearest = mainscreen::nearestToCliff(s.creaturePlace, saveable))
        onCreatureClicked(*nearest);
}
