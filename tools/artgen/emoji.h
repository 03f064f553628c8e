// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace artgen {

// The family every animal, the globe and the footprints are drawn from.
inline constexpr const char* emojiFamily = "Noto Color Emoji";

// One emoji drawn large (the font's own bitmap size) on a transparent picture, cropped to its
// visible pixels, so it can be fitted to any box without a margin of its own.
QImage emojiGlyph(const QString& emoji);

// The picture scaled down to fit inside a box of the given size, keeping its proportions,
// centred on a transparent picture of exactly that size.
QImage fitted(const QImage& art, QSize box);

// The picture laid over white, as the GIF pictures need.
QImage onWhite(const QImage& art);

// The smallest rectangle holding every pixel that is not fully transparent.
QRect visibleRect(const QImage& art);

} // namespace artgen
