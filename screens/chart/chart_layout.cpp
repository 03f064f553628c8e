// SPDX-License-Identifier: MIT
#include "screens/chart/chart_layout.h"
#include <algorithm>
#include <cmath>

using toolkit::PixelRect;

namespace chart {

namespace {

// Room above and below the text of every row, in pixels.
constexpr int bandPadding = 3;
// Row heads and contracted sounds hold two kana; the vowel columns hold short romaji.
constexpr double columnWeights[columnCount] = {1.3, 1, 1, 1, 1, 1, 1.5, 1.5, 1.5};

int linesIn(int band, romaji::Spelling spelling) {
    std::size_t most = 1;
    for (int column = 0; column < columnCount; ++column)
        most = std::max(most, bandLines(band, column, spelling).size());
    return static_cast<int>(most);
}

// Edges at the running sums of the weights, spread over [0, length - 1] so the last rule lies inside.
template <std::size_t N> std::array<int, N + 1> edges(const double (&weights)[N], int length) {
    double total = 0;
    for (double w : weights)
        total += w;
    std::array<int, N + 1> result{};
    double sum = 0;
    for (std::size_t i = 0; i <= N; ++i) {
        result[i] = static_cast<int>(std::lround(sum / total * (length - 1)));
        if (i < N) sum += weights[i];
    }
    return result;
}

// Every cell's text fits by the line heights of the two faces and, drawn centred, keeps a pixel clear of the
// rules without being shrunk.
bool textFits(const Layout& l, int pixels, const toolkit::TextMetrics& metrics) {
    const int height = lineHeight(pixels, metrics);
    for (int band = 0; band < bandCount; ++band)
        for (int column = 0; column < columnCount; ++column) {
            const PixelRect inside = l.cellRect(band, column);
            const std::vector<std::string> text = bandLines(band, column, l.spelling);
            if (static_cast<int>(text.size()) * height > inside.height) return false;
            const toolkit::Font font = fontFor(band, column, pixels);
            for (const std::string& line : text)
                if (metrics.advance(font, line) > inside.width) return false;
            // Clear of the rules by a pixel and a half, the same in every cell, however tight the cell.
            const toolkit::Ink ink = metrics.inkOf(text, font, inside);
            if (!ink.keptItsSize) return false;
            if (ink.isEmpty()) continue;
            if (ink.left < inside.left + 1.5 || ink.top < inside.top + 1.5 ||
                ink.left + ink.width > inside.left + inside.width - 1.5 ||
                ink.top + ink.height > inside.top + inside.height - 1.5)
                return false;
        }
    return true;
}

} // namespace

// The text of a band's cell: band 0 holds the column heads, the others the chart's rows.
std::string bandCell(int band, int column, romaji::Spelling spelling) {
    return band == 0 ? head(column) : cell(band - 1, column, spelling);
}

std::vector<std::string> bandLines(int band, int column, romaji::Spelling spelling) {
    return lines(bandCell(band, column, spelling));
}

PixelRect Layout::cellRect(int band, int column) const {
    const int left = columnEdges[column] + 1, top = bandEdges[band] + 1;
    return {left, top, columnEdges[column + 1] - 1 - left + 1, bandEdges[band + 1] - 1 - top + 1};
}

PixelRect Layout::tableRect() const {
    return {columnEdges.front(), bandEdges.front(), columnEdges.back() - columnEdges.front() + 1,
            bandEdges.back() - bandEdges.front() + 1};
}

bool isHead(int band, int column) {
    return band == 0 || column == 0;
}

toolkit::Font fontFor(int band, int column, int pixels) {
    return {isHead(band, column) ? "ＭＳ 明朝" : "ＭＳ Ｐゴシック", toolkit::pointsForPixels(pixels), false};
}

int lineHeight(int pixels, const toolkit::TextMetrics& metrics) {
    // Fonts with a line box far taller than their letters (Noto Sans CJK JP: 1.45 em) are measured as the
    // fonts the chart was drawn with (1.08 em); the cells are laid out to keep every letter's ink inside.
    const int layoutFonts = static_cast<int>(std::ceil(pixels * 1.08));
    return std::max(std::min(metrics.lineHeight(fontFor(0, 0, pixels)), layoutFonts),
                    std::min(metrics.lineHeight(fontFor(1, 1, pixels)), layoutFonts));
}

Layout layout(int width, int height, const toolkit::TextMetrics& metrics, romaji::Spelling spelling) {
    Layout l;
    l.spelling = spelling;
    double bandWeights[bandCount];
    int totalLines = 0;
    for (int band = 0; band < bandCount; ++band)
        totalLines += linesIn(band, spelling);
    // Every band gets its padding and a share of the rest by the lines it holds.
    const double perLine = double(height - 1 - bandCount * bandPadding) / totalLines;
    for (int band = 0; band < bandCount; ++band)
        bandWeights[band] = bandPadding + perLine * linesIn(band, spelling);
    l.columnEdges = edges(columnWeights, width);
    l.bandEdges = edges(bandWeights, height);
    for (l.fontPixels = static_cast<int>(perLine); l.fontPixels > 6; --l.fontPixels)
        if (textFits(l, l.fontPixels, metrics)) break;
    return l;
}

} // namespace chart
