// SPDX-License-Identifier: MIT
#include "emoji.h"

#include "canvas.h"

#include <QFont>
#include <QPainter>

namespace artgen {

namespace {
// Noto Color Emoji holds 136-pixel bitmaps drawn at 109 pixels per em; drawing at that size
// keeps every detail that the later scaling averages down.
constexpr int glyphPixels = 109;
constexpr int glyphCanvas = 200;
} // namespace

QRect visibleRect(const QImage& art) {
    const QImage argb = art.convertToFormat(QImage::Format_ARGB32);
    int left = argb.width(), top = argb.height(), right = -1, bottom = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage emojiGlyph(const QString& emoji) {
    QImage canvas = clearCanvas(QSize(glyphCanvas, glyphCanvas));
    QFont font(emojiFamily);
    font.setPixelSize(glyphPixels);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    painter.end();
    return canvas.copy(visibleRect(canvas));
}

QImage fitted(const QImage& art, QSize box) {
    const QImage scaled = art.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage canvas = clearCanvas(box);
    QPainter painter(&canvas);
    painter.drawImage((box.width() - scaled.width()) / 2, (box.height() - scaled.height()) / 2, scaled);
    return canvas;
}

QImage onWhite(const QImage& art) {
    QImage canvas = whiteCanvas(art.size());
    QPainter painter(&canvas);
    painter.drawImage(0, 0, art);
    return canvas;
}

} // namespace artgen
