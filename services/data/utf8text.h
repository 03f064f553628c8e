// SPDX-License-Identifier: MIT
#pragma once
// What the data files' readers need to know of UTF-8 text beyond its characters (toolkit/text.h): how long a
// word is in the letters the game has always counted (UTF-16 units, so a character beyond U+FFFF counts
// twice, as the tiles and messages always counted it), and where its blanks end.
#include <cstddef>
#include <string>
#include <string_view>

// The length of text in UTF-16 units.
std::size_t letterCount(std::string_view text);
// The beginning of text, at most count UTF-16 units long, cut between characters.
std::string firstLetters(std::string_view text, std::size_t count);
// text without the blanks at either end.
std::string withoutOuterBlanks(std::string_view text);
