// SPDX-License-Identifier: MIT
#include "frontends/qt/painter.h"
#include "frontends/qt/fonts.h"
#include "frontends/qt/qtcolour.h"
#include "frontends/qt/textfit.h"
#include <QFontMetrics>
#include <QPainterPath>

using namespace toolkit;

namespace frontend {

namespace {

QRect toQRect(PixelRect box) {
    return QRect(box.left, box.top, box.width, box.height);
}

// The lines of a cell as one text, broken where the lines break.
FittedText fitted(const std::vector<std::string>& lines, const Font& font, PixelRect box) {
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    return FittedText(text.join(QChar::LineSeparator), makeFont(font), toQRect(box), Qt::AlignCenter, false);
}

} // namespace

int QtTextMetrics::lineHeight(const Font& font) const {
    return QFontMetrics(makeFont(font)).height();
}

int QtTextMetrics::advance(const Font& font, const std::string& line) const {
    return QFontMetrics(makeFont(font)).horizontalAdvance(QString::fromStdString(line));
}

Ink QtTextMetrics::inkOf(const std::vector<std::string>& lines, const Font& font, PixelRect box) const {
    const FittedText fit = fitted(lines, font, box);
    const QRectF ink = fit.inkRect();
    return {ink.left(), ink.top(), ink.width(), ink.height(),
            fit.fits() && fit.pixelSize() == pixelsOf(font)};
}

void QtPainter::fill(PixelRect box, Colour colour) {
    painter_.fillRect(toQRect(box), toQColor(colour));
}

void QtPainter::line(int x1, int y1, int x2, int y2, Colour colour) {
    painter_.setPen(QPen(toQColor(colour), 1));
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPainter::polyline(const std::vector<PointF>& points, Colour colour, double width) {
    if (points.empty()) return;
    QPainterPath path;
    path.moveTo(points.front().x, points.front().y);
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i].x, points[i].y);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(toQColor(colour), width));
    painter_.drawPath(path);
    painter_.restore();
}

void QtPainter::drawText(const std::vector<std::string>& lines, const Font& font, PixelRect box,
                         Colour colour) {
    painter_.setPen(toQColor(colour));
    fitted(lines, font, box).draw(painter_);
}

} // namespace frontend
