// SPDX-License-Identifier: MIT
// Which tile a key presses: the letter each key types (the long-vowel mark from every layout, no letter from
// blanks and control keys), the lowest-numbered visible tile, and upper and lower case.
#include "screens/main/letterkeys.h"
#include "toolkit/keys.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A board from its captions; a leading '-' marks a tile already pressed (hidden), "" an unused tile.
TileBoard boardOf(const std::vector<std::string>& captions) {
    TileBoard board;
    for (std::size_t k = 0; k < captions.size(); ++k) {
        const bool pressed = captions[k].starts_with('-');
        board[k] = {pressed ? captions[k].substr(1) : captions[k], !pressed && !captions[k].empty()};
    }
    return board;
}

// Numbers of keys the game gives no name, as the desktop's keyboard gives them.
namespace key {
constexpr int a = 0x41, one = 0x31, space = 0x20, tab = 0x01000001, shift = 0x01000020,
              deadAcute = 0x01001251, unknown = 0x01ffffff;
} // namespace key

} // namespace

TEST(LetterKeys, letterOfKey) {
    using namespace toolkit::keys;
    const struct {
        const char* name;
        int key;
        std::string text, letter;
    } rows[] = {
        {"letter", key::a, "a", "a"},
        {"shifted letter", key::a, "A", "A"},
        {"US Shift+6", caret, "^", "^"},
        {"caret key that types nothing", caret, "", "^"},
        {"dead circumflex", deadCircumflex, "", "^"},
        {"dead circumflex typing it", deadCircumflex, "^", "^"},
        {"digit", key::one, "1", "1"},
        {"space", key::space, " ", ""},
        {"Return", enter, "\r", ""},
        {"Tab", key::tab, "\t", ""},
        {"Escape", escape, "\x1b", ""},
        {"Backspace", backspace, "\b", ""},
        {"Shift alone", key::shift, "", ""},
        {"other dead key", key::deadAcute, "", ""},
        {"two characters at once", key::unknown, "ka", ""},
        {"ideographic space", key::unknown, "　", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(::letterOfKey(row.key, row.text), row.letter);
    }
}

TEST(LetterKeys, tileForKey) {
    const std::vector<std::string> sakana{"k", "a", "s", "a", "n", "a"};
    std::vector<std::string> full(24, "a");
    full[23] = "z";
    const struct {
        const char* name;
        std::vector<std::string> tiles;
        std::string letter;
        int tile; // -1: none
    } rows[] = {
        {"the tile that carries it", sakana, "s", 2},
        {"several: the lowest-numbered", sakana, "a", 1},
        {"pressed ones are skipped", {"k", "-a", "s", "-a", "n", "a"}, "a", 5},
        {"all of them pressed", {"k", "-a", "s", "-a", "n", "-a"}, "a", -1},
        {"no tile carries it", sakana, "x", -1},
        {"no letter", sakana, "", -1},
        {"unused tiles never match", {"a", "", ""}, "", -1},
        {"caret", {"o", "r", "^", "i"}, "^", 2},
        {"apostrophe of n'", {"p", "a", "n", "'", "y", "a"}, "'", 3},
        {"upper case presses upper case", {"k", "K"}, "K", 1},
        {"lower case presses lower case", {"K", "k"}, "k", 1},
        {"lower case presses an upper-case-only tile", {"a", "T"}, "t", 1},
        {"lower case: upper case once its own are gone", {"K", "-k"}, "k", 0},
        {"upper case never presses lower case", {"a", "t"}, "T", -1},
        {"blank tile: not by a letter", {"a", " "}, "b", -1},
        {"last of 24 tiles", full, "z", 23},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(::tileForKey(row.letter, boardOf(row.tiles)).value_or(-1), row.tile);
    }
}
