// SPDX-License-Identifier: MIT
#include "screens/chart/chart_layout.h"
#include <algorithm>

using toolkit::Colour;
using toolkit::PixelRect;

namespace chart {

namespace {

constexpr Colour headBack{232, 244, 255};
constexpr Colour ink{0, 0, 0};

void drawCell(toolkit::Painter& painter, const Layout& l, int band, int column) {
    const PixelRect inside = l.cellRect(band, column);
    if (isHead(band, column)) painter.fill(inside, headBack);
    const std::string text = bandCell(band, column, l.spelling);
    const std::vector<std::string> textLines = lines(text);
    const toolkit::Font font = fontFor(band, column, l.fontPixels);
    if (!isLongVowel(text)) {
        painter.drawText(textLines, font, inside, ink);
        return;
    }
    // The caret is drawn as a roof over the letter, as the game's answer line shows a long vowel.
    const int height = lineHeight(l.fontPixels, painter);
    const int lineCount = static_cast<int>(textLines.size());
    const int y = inside.top + (inside.height - height * lineCount) / 2;
    const double half = painter.advance(font, "a") * 0.55;
    const double cx = (inside.left + inside.right()) / 2 + 0.5;
    const double peak = y + height * 0.5, foot = y + height * 1.05;
    painter.polyline({{cx - half, foot}, {cx, peak}, {cx + half, foot}}, ink,
                     std::max(1.0, l.fontPixels / 10.0));
    painter.drawText({longVowelLetter(text)}, font, {inside.left, y + height, inside.width, height}, ink);
}

} // namespace

void drawChart(toolkit::Painter& painter, const Layout& l) {
    for (int band = 0; band < bandCount; ++band)
        for (int column = 0; column < columnCount; ++column)
            drawCell(painter, l, band, column);
    const PixelRect table = l.tableRect();
    for (int x : l.columnEdges)
        painter.line(x, table.top, x, table.bottom(), ink);
    for (int y : l.bandEdges)
        painter.line(table.left, y, table.right(), y, ink);
}

} // namespace chart
