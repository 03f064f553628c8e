// SPDX-License-Identifier: MIT
// The opening screen's background: the title under its cover, a trail of twelve footprints each
// under its own cover, and a credit line along the bottom that stays uncovered.

#include "canvas.h"
#include "emoji.h"
#include "pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr QSize backgroundSize(425, 225);

// The covers the opening lays over the background, in pixels; the title and each footprint
// must stay inside theirs, so that nothing shows before its cover is lifted.
constexpr QRect titleCover(24, 0, 369, 49);
const std::array<QRect, 12> footprintCovers = {{
    {24, 80, 35, 27},
    {56, 96, 27, 27},
    {80, 104, 35, 35},
    {112, 120, 35, 27},
    {144, 128, 27, 27},
    {168, 136, 35, 27},
    {200, 136, 35, 27},
    {232, 144, 35, 27},
    {264, 152, 35, 27},
    {296, 152, 35, 27},
    {328, 160, 27, 27},
    {360, 168, 27, 27},
}};

// Kept clear of every cover edge, so a cover with a border still hides the whole footprint.
constexpr int footprintMargin = 3;

void drawTitle(QPainter& p) {
    const QString title = QString::fromUtf8("ポクラク　ローマ字であそぼう");
    const QRectF area = QRectF(titleCover).adjusted(8, 4, -8, -4);
    QFont font("Noto Sans CJK JP");
    font.setWeight(QFont::Bold);
    font.setPixelSize(40);
    while (QFontMetricsF(font).horizontalAdvance(title) > area.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    // Each letter of the game's name in its own bright colour, the rest in the game's blue.
    const std::array<QColor, 4> nameColours = {QColor(230, 40, 40), QColor(240, 140, 0), QColor(30, 160, 60),
                                               QColor(40, 90, 230)};
    double x = area.left() + (area.width() - metrics.horizontalAdvance(title)) / 2;
    const double baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    for (int i = 0; i < title.size(); ++i) {
        p.setPen(i < 4 ? nameColours[i] : QColor(0, 0, 192));
        p.drawText(QPointF(x, baseline), title.mid(i, 1));
        x += metrics.horizontalAdvance(title.mid(i, 1));
    }
}

QPointF centreOf(const QRect& r) {
    return QRectF(r).center();
}

// One paw print, cut from the emoji's pair of prints: the front one, in its upper left, lies
// wholly on the near side of the diagonal that runs between the two.
QImage pawPrint() {
    QImage pair = emojiGlyph(QString::fromUtf8("🐾")).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pair.height(); ++y)
        for (int x = 0; x < pair.width(); ++x)
            if (double(x) / pair.width() + double(y) / pair.height() >= 1.0)
                pair.setPixel(x, y, qRgba(0, 0, 0, 0));
    return pair.copy(visibleRect(pair));
}

// One paw print under each cover, turned so its toes point along the trail toward the next one. The prints
// are fitted at the painter's scale, so a larger picture gets finer prints rather than enlarged ones.
void drawFootprints(QPainter& p, int scale) {
    const QImage paw = pawPrint();
    for (std::size_t i = 0; i < footprintCovers.size(); ++i) {
        const std::size_t from = i == 0 ? 0 : i - 1, to = i + 1 < footprintCovers.size() ? i + 1 : i;
        const QPointF step = centreOf(footprintCovers[to]) - centreOf(footprintCovers[from]);
        const double heading = std::atan2(step.y(), step.x()) * 180.0 / std::numbers::pi;
        // The glyph's toes point up; a quarter turn more than the heading points them along it.
        const QImage turned = paw.transformed(QTransform().rotate(90.0 + heading), Qt::SmoothTransformation);
        const QImage walked = turned.copy(visibleRect(turned));
        const QRect box =
            footprintCovers[i].adjusted(footprintMargin, footprintMargin, -footprintMargin, -footprintMargin);
        p.drawImage(QRectF(box), fitted(walked, box.size() * scale));
    }
}

void drawCredit(QPainter& p) {
    QFont font("Noto Sans CJK JP");
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(0, 202, backgroundSize.width(), 16), Qt::AlignCenter,
               QString::fromUtf8("pokuraku  Ver.7.2  ©  pokuraku developers"));
}

} // namespace

void drawOpening(Output& out) {
    const int scale = out.scale();
    QImage picture = whiteCanvas(backgroundSize * scale);
    QPainter p(&picture);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawTitle(p);
    drawFootprints(p, scale);
    drawCredit(p);
    p.end();
    out.saveGif(picture, "opening/background.gif");
}

} // namespace artgen
