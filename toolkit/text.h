// SPDX-License-Identifier: MIT
#pragma once
// Text is UTF-8 in std::string. A character here is one code point, however many bytes it takes: a tile
// carries one, an answer's length counts them, a hint shows the first few.
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

std::vector<std::string> characters(std::string_view text);
int characterCount(std::string_view text);
// The first count characters of text (all of it when it holds fewer).
std::string leftCharacters(std::string_view text, int count);
// Drops the last character of text, if it has one.
void dropLastCharacter(std::string& text);

} // namespace toolkit
