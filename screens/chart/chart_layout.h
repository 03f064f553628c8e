// SPDX-License-Identifier: MIT
#pragma once
// Where the chart's rules and text go in a table of a given size. Rows grow with the number of lines
// their tallest cell holds; the font is the largest that lets every cell's text fit inside its cell.
#include "screens/chart/chart_table.h"
#include "toolkit/textfit.h"
#include <QFont>
#include <QRect>
#include <QStringList>
#include <array>

namespace chart {

inline constexpr int bandCount = rowCount + 1; // the heads, then the rows

struct Layout {
    std::array<int, columnCount + 1> columnEdges{}; // x of the vertical rules, left to right
    std::array<int, bandCount + 1> bandEdges{};     // y of the horizontal rules, top to bottom
    int fontPixels = 0;

    // The inside of a cell, between its rules; band 0 holds the column heads.
    QRect cellRect(int band, int column) const;
    QRect tableRect() const;
};

Layout layout(QSize table);

// Heads are drawn in the Mincho face, the cells in the Gothic face.
QFont fontFor(int band, int column, int pixels);
bool isHead(int band, int column);
// Line height of the text in a cell: the taller of the two faces.
int lineHeight(int pixels);
QString bandCell(int band, int column);
// The lines of that cell as the chart draws them.
QStringList bandLines(int band, int column);
// A cell's lines at a pixel size, laid out centred in the cell as the chart draws them: a pixel clear of
// the rules, with whatever Japanese font the desktop has.
toolkit::FittedText cellText(const Layout& l, int band, int column, int pixels);

} // namespace chart
