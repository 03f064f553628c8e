// SPDX-License-Identifier: MIT
#pragma once
// Text is UTF-8 in std::string. A character here is one code point, however many bytes it takes: a tile
// carries one, an answer's length counts them, a hint shows the first few.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// The character that begins at byte i of text, or none when the bytes there are not well-formed UTF-8 (a
// stray or missing continuation byte, an overlong form, a surrogate, or past U+10FFFF); i moves past the
// character, or past the one byte that begins no character.
std::optional<char32_t> readCharacter(std::string_view text, std::size_t& i);
// The same for text known to be well-formed, with U+FFFD for a byte that begins no character.
char32_t nextCharacter(std::string_view text, std::size_t& i);
// The character as UTF-8.
std::string utf8Of(char32_t c);
// A blank of any script: spaces (the ideographic one included), tabs, line and paragraph breaks.
bool isBlankCharacter(char32_t c);

std::vector<std::string> characters(std::string_view text);
int characterCount(std::string_view text);
// The first count characters of text (all of it when it holds fewer).
std::string leftCharacters(std::string_view text, int count);
// Drops the last character of text, if it has one.
void dropLastCharacter(std::string& text);

} // namespace toolkit
