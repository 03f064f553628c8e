// SPDX-License-Identifier: MIT
#pragma once
// The romaji chart as data: a row of column heads, then seventeen rows of a row head and eight cells.
// A cell holds its lines separated by '/', is empty when the chart leaves it blank, and starts with '^'
// when it shows a vowel with the long-vowel caret drawn over it. Texts are UTF-8. The chart follows the
// spelling the player chose: Kunrei with its caret, or Hepburn with a macron or doubled vowels.
#include "services/romaji/romaji.h"
#include <string>
#include <vector>

namespace chart {

inline constexpr int columnCount = 9; // the row heads, five vowels, three contracted sounds
inline constexpr int rowCount = 17;   // below the row of column heads

std::string head(int column);
// Column 0 is the row head.
std::string cell(int row, int column, romaji::Spelling spelling = romaji::Spelling::kunrei);

std::vector<std::string> lines(const std::string& cell);
bool isLongVowel(const std::string& cell);
// The letter the caret stands over.
std::string longVowelLetter(const std::string& cell);

} // namespace chart
