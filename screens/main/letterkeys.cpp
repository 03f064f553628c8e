// SPDX-License-Identifier: MIT
#include "screens/main/letterkeys.h"
#include "toolkit/text.h"

namespace {

std::optional<int> firstTileWith(const std::string& letter, const TileBoard& tiles) {
    for (int k = 0; k < static_cast<int>(tiles.size()); ++k)
        if (tiles[k].visible && tiles[k].letter == letter) return k;
    return std::nullopt;
}

// The one character of a key's text, or none when the text is empty, holds more than one character, is not
// well-formed UTF-8, or lies beyond the characters a key of the desktop's keyboards types alone (U+FFFF).
std::optional<char32_t> onlyCharacter(const std::string& text) {
    std::size_t end = 0;
    const std::optional<char32_t> c = toolkit::readCharacter(text, end);
    if (text.empty() || !c || end != text.size() || *c > 0xFFFF) return std::nullopt;
    return c;
}

// Characters that print nothing: control characters, the invisible format marks, and private-use ones.
bool printsNothing(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0xad || (c >= 0x600 && c <= 0x605) || c == 0x61c ||
           c == 0x6dd || c == 0x70f || c == 0x180e || (c >= 0x200b && c <= 0x200f) ||
           (c >= 0x202a && c <= 0x202e) || (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x206f) ||
           (c >= 0xe000 && c <= 0xf8ff) || c == 0xfeff || (c >= 0xfff9 && c <= 0xfffb);
}

// The capital a tile would carry for a typed lower-case letter: tiles carry letters of the Latin alphabet,
// and besides a to z only the dotless ı and the long ſ have one of those as their capital.
std::optional<std::string> capitalOf(const std::string& letter) {
    if (letter.size() == 1 && letter[0] >= 'a' && letter[0] <= 'z')
        return std::string(1, static_cast<char>(letter[0] - 'a' + 'A'));
    if (letter == "ı") return "I";
    if (letter == "ſ") return "S";
    return std::nullopt;
}

} // namespace

std::string letterOfKey(int key, const std::string& text) {
    if (key == caretKey || key == deadCaretKey) return "^";
    const std::optional<char32_t> typed = onlyCharacter(text);
    // Blanks of every width type no letter.
    if (!typed || printsNothing(*typed) || toolkit::isBlankCharacter(*typed)) return {};
    return text;
}

std::optional<int> tileForKey(const std::string& letter, const TileBoard& tiles) {
    if (letter.empty()) return std::nullopt;
    if (const std::optional<int> same = firstTileWith(letter, tiles)) return same;
    if (const std::optional<std::string> upper = capitalOf(letter)) return firstTileWith(*upper, tiles);
    return std::nullopt;
}
