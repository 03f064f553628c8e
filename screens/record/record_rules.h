// SPDX-License-Identifier: MIT
#pragma once
// What きろく draws, as plain values: the kana chart's shading, where each of its 104 labels stands on the
// heat map, the colours, and the words of the totals.
#include "services/data/kanachart.h"
#include "services/record/summary.h"
#include "toolkit/colour.h"
#include <array>
#include <map>
#include <string>

namespace recordscreen {

// How often each chart label's syllable was missed: a label that reads two ways (じゃ(ぢゃ)) counts both.
std::array<int, kanaChartSize> kanaHeat(const std::map<std::string, int>& missedKana);

// Where a label stands on the heat map: the plain kana in rows of five (あいうえお … ぱぴぷぺぽ), the
// contracted ones in rows of three beside them (きゃきゅきょ …).
struct Cell {
    int column = 0;
    int row = 0;
};
inline constexpr int heatColumns = 9; // five, a gap, three
inline constexpr int heatRows = 15;
Cell heatCell(int label);

// The shade of a label missed this many times, against the most any label was missed: white for none, the
// darkest red for the most.
toolkit::Colour heatColour(int misses, int most);

// The plot's horizontal place of a day, from 0 (the first day recorded) to 1 (the last).
double dayPlace(std::int64_t day, std::int64_t first, std::int64_t last);

} // namespace recordscreen
