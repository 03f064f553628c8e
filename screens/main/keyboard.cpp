#include "screens/main/form1.h"
#include "screens/main/letterkeys.h"
#include "screens/main/rules.h"

// A key pressed on the main window. A letter presses the tile that carries it, exactly as the mouse does;
// Enter presses OK and Escape the retry button. Enter does nothing while OK is hidden, even when the retry
// or hint button holds the focus: it only ever submits a finished answer, never deals the word again or
// spends points on a hint. A key no tile carries does nothing.
bool Form1::Form_KeyDown(const toolkit::KeyPress& key) {
    switch (key.key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!c.Command1->isHidden()) Command1_Click();
        return true;
    case Qt::Key_Escape:
        if (c.Command2->isHidden()) return false;
        Command2_Click();
        return true;
    default:
        break;
    }
    const std::optional<int> tile = tileForKey(letterOfKey(key.key, key.text), tileBoard());
    if (!tile) return false;
    Label1_MouseDown(static_cast<std::int16_t>(*tile));
    return true;
}

// The board as the keys see it: each tile's letter and whether it is still there to press.
TileBoard Form1::tileBoard() const {
    TileBoard board;
    for (std::int16_t k = 0; k < mainscreen::tileCount; ++k)
        board[k] = {mainscreen::pressedLetter(dealtLetters[k]), tileShown[k]};
    return board;
}
