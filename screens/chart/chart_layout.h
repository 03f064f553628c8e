// SPDX-License-Identifier: MIT
#pragma once
// Where the chart's rules and text go in a table of a given size in pixels. Rows grow with the number of
// lines their tallest cell holds; the font is the largest that lets every cell's text fit inside its cell.
#include "screens/chart/chart_table.h"
#include "toolkit/painter.h"
#include <array>
#include <string>
#include <vector>

namespace chart {

inline constexpr int bandCount = rowCount + 1; // the heads, then the rows

struct Layout {
    std::array<int, columnCount + 1> columnEdges{}; // x of the vertical rules, left to right
    std::array<int, bandCount + 1> bandEdges{};     // y of the horizontal rules, top to bottom
    int fontPixels = 0;
    romaji::Spelling spelling = romaji::Spelling::kunrei; // the spelling the chart is laid out in

    // The inside of a cell, between its rules; band 0 holds the column heads.
    toolkit::PixelRect cellRect(int band, int column) const;
    // From the first rule to the last, both included.
    toolkit::PixelRect tableRect() const;
};

Layout layout(int width, int height, const toolkit::TextMetrics& metrics,
              romaji::Spelling spelling = romaji::Spelling::kunrei);

// Heads are drawn in the Mincho face, the cells in the Gothic face.
toolkit::Font fontFor(int band, int column, int pixels);
bool isHead(int band, int column);
// Line height of the text in a cell: the taller of the two faces.
int lineHeight(int pixels, const toolkit::TextMetrics& metrics);
std::string bandCell(int band, int column, romaji::Spelling spelling = romaji::Spelling::kunrei);
// The lines of that cell as the chart draws them.
std::vector<std::string> bandLines(int band, int column,
                                   romaji::Spelling spelling = romaji::Spelling::kunrei);

// Draws the table at the top-left corner of the painter's canvas, the table filling the given share of its
// width and its full height.
void drawChart(toolkit::Painter& painter, const Layout& l);

} // namespace chart
