// SPDX-License-Identifier: MIT
#pragma once
// The little the data files' readers need to know of UTF-8 text: where its characters are, which of them
// are blanks, and how long a word is in the letters the game has always counted (UTF-16 units, so a
// character beyond U+FFFF counts twice, as the tiles and messages always counted it).
#include <cstddef>
#include <string>
#include <string_view>

// The character that begins at byte i of valid UTF-8 text; i moves past it.
char32_t nextCharacter(std::string_view text, std::size_t& i);
// A blank of any script: spaces (the ideographic one included), tabs, line and paragraph breaks.
bool isBlankCharacter(char32_t c);
// The length of text in UTF-16 units.
std::size_t letterCount(std::string_view text);
// The beginning of text, at most count UTF-16 units long, cut between characters.
std::string firstLetters(std::string_view text, std::size_t count);
// text without the blanks at either end.
std::string withoutOuterBlanks(std::string_view text);
// The character as UTF-8.
std::string utf8Of(char32_t c);
