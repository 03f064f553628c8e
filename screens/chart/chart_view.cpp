// SPDX-License-Identifier: MIT
#include "screens/chart/chart_view.h"
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace chart {

namespace {
const QColor headBack(232, 244, 255);
const QColor rule(0, 0, 0);
} // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {}

const Layout& ChartView::chartLayout() const {
    if (laidOutFor_ != size()) {
        layout_ = chart::layout(QSize(static_cast<int>(std::lround(width() * tableShare)), height()));
        laidOutFor_ = size();
    }
    return layout_;
}

void ChartView::paintEvent(QPaintEvent*) {
    const Layout& l = chartLayout();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int band = 0; band < bandCount; ++band)
        for (int column = 0; column < columnCount; ++column)
            drawCell(painter, band, column);
    painter.setPen(QPen(rule, 1));
    const QRect table = l.tableRect();
    for (int x : l.columnEdges)
        painter.drawLine(x, table.top(), x, table.bottom());
    for (int y : l.bandEdges)
        painter.drawLine(table.left(), y, table.right(), y);
}

void ChartView::drawCell(QPainter& painter, int band, int column) const {
    const QRect inside = layout_.cellRect(band, column);
    if (isHead(band, column)) painter.fillRect(inside, headBack);
    const QString text = bandCell(band, column);
    const QStringList textLines = bandLines(band, column);
    const int height = lineHeight(layout_.fontPixels);
    int y = inside.top() + (inside.height() - height * static_cast<int>(textLines.size())) / 2;
    painter.setPen(Qt::black);
    painter.setFont(fontFor(band, column, layout_.fontPixels));
    if (isLongVowel(text.toStdString())) {
        // The caret is drawn as a roof over the letter, as the game's answer line shows a long vowel.
        const QFontMetrics metrics(painter.font());
        const QRect letterBox(inside.left(), y + height, inside.width(), height);
        const double half = metrics.horizontalAdvance(QStringLiteral("a")) * 0.55;
        const double cx = inside.center().x() + 0.5;
        const double peak = y + height * 0.5, foot = y + height * 1.05;
        QPainterPath roof;
        roof.moveTo(cx - half, foot);
        roof.lineTo(cx, peak);
        roof.lineTo(cx + half, foot);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, std::max(1.0, layout_.fontPixels / 10.0)));
        painter.drawPath(roof);
        painter.restore();
        painter.drawText(letterBox, Qt::AlignHCenter | Qt::AlignVCenter,
                         QString::fromStdString(longVowelLetter(text.toStdString())));
        return;
    }
    cellText(layout_, band, column, layout_.fontPixels).draw(painter);
}

} // namespace chart
