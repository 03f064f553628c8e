// SPDX-License-Identifier: MIT
#include "screens/chart/chart_layout.h"
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Room above and below the text of every row, in pixels.
constexpr int bandPadding = 3;
// Row heads and contracted sounds hold two kana; the vowel columns hold short romaji.
constexpr double columnWeights[columnCount] = {1.3, 1, 1, 1, 1, 1, 1.5, 1.5, 1.5};

int linesIn(int band) {
    qsizetype most = 1;
    for (int column = 0; column < columnCount; ++column)
        most = std::max(most, bandLines(band, column).size());
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
bool textFits(const Layout& l, int pixels) {
    const int height = lineHeight(pixels);
    for (int band = 0; band < bandCount; ++band)
        for (int column = 0; column < columnCount; ++column) {
            const QRect inside = l.cellRect(band, column);
            const QStringList text = bandLines(band, column);
            if (text.size() * height > inside.height()) return false;
            const QFontMetrics metrics(fontFor(band, column, pixels));
            for (const QString& line : text)
                if (metrics.horizontalAdvance(line) > inside.width()) return false;
            // Clear of the rules by a pixel and a half, the same in every cell, however tight the cell.
            const toolkit::FittedText fit = cellText(l, band, column, pixels);
            const QRectF clear = QRectF(inside).adjusted(1.5, 1.5, -1.5, -1.5);
            if (!fit.fits() || fit.pixelSize() != pixels ||
                !(fit.inkRect().isEmpty() || clear.contains(fit.inkRect())))
                return false;
        }
    return true;
}

} // namespace

// The text of a band's cell: band 0 holds the column heads, the others the chart's rows.
static std::string bandText(int band, int column) {
    return band == 0 ? head(column) : cell(band - 1, column);
}

QString bandCell(int band, int column) {
    return QString::fromStdString(bandText(band, column));
}

QStringList bandLines(int band, int column) {
    QStringList result;
    for (const std::string& line : lines(bandText(band, column)))
        result << QString::fromStdString(line);
    return result;
}

toolkit::FittedText cellText(const Layout& l, int band, int column, int pixels) {
    return toolkit::FittedText(bandLines(band, column).join(QChar::LineSeparator),
                               fontFor(band, column, pixels), l.cellRect(band, column), Qt::AlignCenter,
                               false);
}

QRect Layout::cellRect(int band, int column) const {
    return QRect(QPoint(columnEdges[column] + 1, bandEdges[band] + 1),
                 QPoint(columnEdges[column + 1] - 1, bandEdges[band + 1] - 1));
}

QRect Layout::tableRect() const {
    return QRect(QPoint(columnEdges.front(), bandEdges.front()),
                 QPoint(columnEdges.back(), bandEdges.back()));
}

bool isHead(int band, int column) {
    return band == 0 || column == 0;
}

QFont fontFor(int band, int column, int pixels) {
    QFont font(isHead(band, column) ? QStringLiteral("ＭＳ 明朝") : QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    return font;
}

int lineHeight(int pixels) {
    // Fonts with a line box far taller than their letters (Noto Sans CJK JP: 1.45 em) are measured as the
    // fonts the chart was drawn with (1.08 em); the cells are laid out to keep every letter's ink inside.
    const int layoutFonts = static_cast<int>(std::ceil(pixels * 1.08));
    return std::max(std::min(QFontMetrics(fontFor(0, 0, pixels)).height(), layoutFonts),
                    std::min(QFontMetrics(fontFor(1, 1, pixels)).height(), layoutFonts));
}

Layout layout(QSize table) {
    Layout l;
    double bandWeights[bandCount];
    int totalLines = 0;
    for (int band = 0; band < bandCount; ++band)
        totalLines += linesIn(band);
    // Every band gets its padding and a share of the rest by the lines it holds.
    const double perLine = double(table.height() - 1 - bandCount * bandPadding) / totalLines;
    for (int band = 0; band < bandCount; ++band)
        bandWeights[band] = bandPadding + perLine * linesIn(band);
    l.columnEdges = edges(columnWeights, table.width());
    l.bandEdges = edges(bandWeights, table.height());
    for (l.fontPixels = static_cast<int>(perLine); l.fontPixels > 6; --l.fontPixels)
        if (textFits(l, l.fontPixels)) break;
    return l;
}

} // namespace chart
