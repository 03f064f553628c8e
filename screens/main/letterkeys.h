// SPDX-License-Identifier: MIT
#pragma once
// Which letter tile a key on the keyboard presses. Plain rules of the letter board, with no widget in them.
// Texts are UTF-8.
#include <array>
#include <optional>
#include <string>

// A letter tile as the keyboard sees it: the letter a press on it would add to the answer (its caption
// without leading blanks) and whether it still lies on the board.
struct TileView {
    std::string letter;
    bool visible = false;
};
using TileBoard = std::array<TileView, 24>;

// The numbers the desktop's keyboard gives the ^ key and the dead ^ key; the keyboard handler checks that
// they agree with the window library's.
inline constexpr int caretKey = 0x5e;
inline constexpr int deadCaretKey = 0x01001252;

// The letter a key types, or an empty text when it types none (blanks, Tab, Enter and other control keys).
// The long-vowel mark ^ comes from every layout that has it: typed at once (US Shift+6, the JIS ^ key) or
// as a dead key that waits for the next key and types nothing yet.
std::string letterOfKey(int key, const std::string& text);

// The tile a typed letter presses: the lowest-numbered visible tile that carries it. A lower-case letter
// also presses a tile carrying the same letter in upper case when no visible tile carries it in lower case;
// an upper-case letter presses upper-case tiles only. None when no visible tile carries the letter.
std::optional<int> tileForKey(const std::string& letter, const TileBoard& tiles);
