// SPDX-License-Identifier: MIT
// The program icon (a letter tile reading "ro") and the two mouse cursors: a hand for catching
// creatures and a pencil for pressing letter tiles.

#include "canvas.h"
#include "emoji.h"
#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace artgen {

namespace {

// The icon at any size: a green letter tile, like the game's buttons, with "ro" in the game's
// blue. Drawn afresh at each size rather than scaled, so the small ones stay sharp.
QImage icon(int size, bool opaque) {
    QImage picture = opaque ? whiteCanvas(QSize(size, size)) : clearCanvas(QSize(size, size));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double edge = std::max(1.0, size / 24.0);
    const QRectF tile = QRectF(0, 0, size, size).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0.0, QColor(225, 255, 225));
    fill.setColorAt(1.0, QColor(150, 230, 150));
    p.setBrush(fill);
    p.setPen(QPen(QColor(40, 130, 60), edge));
    p.drawRoundedRect(tile, size * 0.2, size * 0.2);
    QFont font("DejaVu Sans");
    font.setWeight(QFont::Bold);
    font.setPixelSize(qRound(size * 0.62));
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(QColor(0, 0, 192));
    p.drawText(QRectF(0, -size * 0.06, size, size), Qt::AlignCenter, "ro");
    p.end();
    return opaque ? picture.convertToFormat(QImage::Format_RGB32) : picture;
}

// An emoji turned into a cursor: outlined in dark brown so it shows on white, then placed so that
// its point (the pixel furthest to the upper left) is the hot spot at (2, 2). At a larger scale every
// length grows with it, the outline and the hot spot included.
QImage cursor(const QString& emoji, double angle, int size, int height, int scale) {
    size *= scale;
    height *= scale;
    const QImage glyph = emojiGlyph(emoji);
    const QImage turned = glyph.transformed(QTransform().rotate(angle), Qt::SmoothTransformation);
    const QImage art = turned.copy(visibleRect(turned))
                           .scaledToHeight(height, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage outline = art;
    {
        QPainter p(&outline);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(outline.rect(), QColor(70, 40, 20));
    }
    // The point: of the clearly drawn pixels, the one nearest the upper left corner.
    QPoint point(art.width(), art.height());
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (qAlpha(art.pixel(x, y)) >= 160 && x + y < point.x() + point.y()) point = QPoint(x, y);
    QImage picture = clearCanvas(QSize(size, size));
    QPainter p(&picture);
    const QPoint at = QPoint(2, 2) * scale - point;
    for (int dy = -scale; dy <= scale; ++dy)
        for (int dx = -scale; dx <= scale; ++dx)
            if (dx != 0 || dy != 0) p.drawImage(at + QPoint(dx, dy), outline);
    p.drawImage(at, art);
    return picture;
}

} // namespace

void drawIcons(Output& out) {
    const int scale = out.scale();
    out.savePng(icon(30 * scale, true), "icon/pokuraku.png");
    // The desktop's icon sizes are sizes of their own, made once.
    if (scale == 1)
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            out.savePng(icon(size, false), QString("icon/hicolor/%1x%1/pokuraku.png").arg(size));
    // The hand's finger and the pencil's tip both turned to point to the upper left.
    out.savePng(cursor(QString::fromUtf8("👆"), -30.0, 28, 21, scale), "cursors/creature.png");
    out.savePng(cursor(QString::fromUtf8("✏"), 180.0, 32, 26, scale), "cursors/tile.png");
}

} // namespace artgen
