#pragma once
// Which letter tile a key on the keyboard presses. Plain rules of the letter board, with no widget in them.
#include <QString>
#include <array>
#include <optional>

// A letter tile as the keyboard sees it: the letter a press on it would add to the answer (its caption
// without leading blanks) and whether it still lies on the board.
struct TileView {
    QString letter;
    bool visible = false;
};
using TileBoard = std::array<TileView, 24>;

// The letter a key types, or an empty text when it types none (blanks, Tab, Enter and other control keys).
// The long-vowel mark ^ comes from every layout that has it: typed at once (US Shift+6, the JIS ^ key) or
// as a dead key that waits for the next key and types nothing yet.
QString letterOfKey(int key, const QString& text);

// The tile a typed letter presses: the lowest-numbered visible tile that carries it. A lower-case letter
// also presses a tile carrying the same letter in upper case when no visible tile carries it in lower case;
// an upper-case letter presses upper-case tiles only. None when no visible tile carries the letter.
std::optional<int> tileForKey(const QString& letter, const TileBoard& tiles);
