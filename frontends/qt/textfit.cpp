// SPDX-License-Identifier: MIT
#include "frontends/qt/textfit.h"
#include <QFontInfo>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace frontend {

namespace {

// The line box of the fonts the screens were laid out with, in em: ascent and descent.
constexpr double layoutAscent = 0.88;
constexpr double layoutDescent = 0.2;

struct Attempt {
    std::unique_ptr<QTextLayout> layout;
    QRectF ink; // relative to the box's top-left corner
};

Attempt layOut(const QString& text, QFont font, int pixels, QSizeF box, Qt::Alignment align, bool wrap) {
    font.setPixelSize(pixels);
    Attempt a{std::make_unique<QTextLayout>(text, font), {}};
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    a.layout->setTextOption(option);
    a.layout->setCacheEnabled(true);
    a.layout->beginLayout();
    QList<QTextLine> lines;
    double y = 0;
    for (QTextLine line = a.layout->createLine(); line.isValid(); line = a.layout->createLine()) {
        line.setLineWidth(box.width());
        const double ascent = std::min<double>(line.ascent(), layoutAscent * pixels);
        const double descent = std::min<double>(line.descent(), layoutDescent * pixels);
        double x = 0;
        if (align & Qt::AlignHCenter) x = (box.width() - line.naturalTextWidth()) / 2;
        if (align & Qt::AlignRight) x = box.width() - line.naturalTextWidth();
        // The baseline goes where the layout's fonts would put it, whatever this font's own ascent, on a
        // whole pixel so the letters stay sharp.
        line.setPosition(QPointF(x, std::round(y + ascent) - line.ascent()));
        y += ascent + descent;
        lines.append(line);
    }
    a.layout->endLayout();
    if (align & Qt::AlignVCenter) {
        const double top = std::round((box.height() - y) / 2);
        for (QTextLine& line : lines)
            line.setPosition(line.position() + QPointF(0, top));
    }
    // The ink: the bounds of every glyph's outline, in whichever font (fallbacks included) draws it. The
    // font's own glyph boxes are rounded out to whole pixels and would count a pixel too many. A run
    // repeats its glyphs (a word is made of a few dozen kana), so each is measured once.
    for (const QGlyphRun& run : a.layout->glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QHash<quint32, QRectF> bounds;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            auto known = bounds.constFind(glyphs[i]);
            if (known == bounds.cend()) {
                QRectF glyph = raw.pathForGlyph(glyphs[i]).boundingRect();
                if (glyph.isEmpty()) glyph = raw.boundingRect(glyphs[i]); // a glyph drawn from a bitmap
                known = bounds.insert(glyphs[i], glyph);
            }
            if (!known->isEmpty()) a.ink |= known->translated(positions[i]);
        }
    }
    return a;
}

// The part of text that could ever stand in the box: at the smallest size a line is at least
// minimumPixels tall and a letter at least a pixel wide, so nothing past this many characters can be seen.
// Laying out only this much keeps a word of a million letters from holding up the window for minutes;
// such a word overflows either way and is drawn at the smallest size, cut at the box.
QString visiblePart(const QString& text, QSize box) {
    const qsizetype lines = std::max(box.height(), 0) / FittedText::minimumPixels + 1;
    const qsizetype most = (std::max(box.width(), 0) + 1) * lines;
    if (text.size() <= most) return text;
    qsizetype cut = most;
    if (QChar(text[cut - 1]).isHighSurrogate()) --cut; // keep a character outside the BMP whole
    return text.left(cut);
}

// The smallest move that brings ink into room, along one axis; zero when it is inside already. Moves up or
// down are by whole pixels, so the baseline stays on a pixel and the letters sharp.
double shiftInto(double inkStart, double inkEnd, double roomStart, double roomEnd, bool wholePixels) {
    double shift = 0;
    if (inkStart < roomStart) shift = roomStart - inkStart;
    if (inkEnd > roomEnd) shift = roomEnd - inkEnd;
    if (wholePixels) shift = shift > 0 ? std::ceil(shift) : std::floor(shift);
    return shift;
}

} // namespace

FittedText::FittedText() = default;
FittedText::~FittedText() = default;
FittedText::FittedText(FittedText&&) noexcept = default;
FittedText& FittedText::operator=(FittedText&&) noexcept = default;

FittedText::FittedText(const QString& text, const QFont& font, const QRect& box, Qt::Alignment align,
                       bool wrap, bool mayRunBelow) {
    const int defined = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    // Hinting may move an edge of a letter half a pixel from its outline, and its softened edge takes the
    // pixel it falls in: an outline a pixel inside the box is drawn whole. Text is kept a further half pixel
    // clear of the edges, unless that is all that keeps it from its defined size (a label hardly taller than
    // its letters, such as the credit line).
    const auto roomWithin = [&](double margin) {
        QRectF room(margin, margin, box.width() - 2 * margin, box.height() - 2 * margin);
        if (mayRunBelow) room.setBottom(1e9);
        return room;
    };
    const QRectF clear = roomWithin(1.5), tight = roomWithin(1);
    const QString shown = visiblePart(text, box.size());
    Attempt a;
    QPointF shift;
    const auto fitsIn = [&](const QRectF& room) {
        shift = QPointF(shiftInto(a.ink.left(), a.ink.right(), room.left(), room.right(), false),
                        shiftInto(a.ink.top(), a.ink.bottom(), room.top(), room.bottom(), true));
        return a.ink.isEmpty() || room.contains(a.ink.translated(shift));
    };
    for (pixels_ = std::max(defined, 1);; --pixels_) {
        a = layOut(shown, font, pixels_, box.size(), align, wrap);
        fits_ = fitsIn(clear) || (pixels_ == defined && fitsIn(tight));
        if (fits_ || pixels_ <= std::min(defined, minimumPixels)) break;
    }
    // Text too wide even at the smallest size keeps its start where the alignment puts it: moved sideways
    // to bring its end in, a long word would show only its last letters.
    if (!fits_) shift.setX(0);
    layout_ = std::move(a.layout);
    offset_ = QPointF(box.topLeft()) + (a.ink.isEmpty() ? QPointF() : shift);
    ink_ = a.ink.translated(offset_);
    if (mayRunBelow) fits_ = fits_ && ink_.top() >= box.top() && ink_.top() < box.bottom();
}

void FittedText::draw(QPainter& painter, const QString& inkOnly) const {
    if (!layout_) return;
    if (inkOnly.isEmpty()) {
        layout_->draw(&painter, offset_);
        return;
    }
    // Only the glyphs of those characters, each where the whole text puts it.
    const QString text = layout_->text();
    for (int i = 0; i < text.size(); ++i)
        if (inkOnly.contains(text[i]))
            for (const QGlyphRun& run : layout_->glyphRuns(i, 1))
                painter.drawGlyphRun(offset_, run);
}

const FittedText& FitCache::fit(const QString& text, const QFont& font, const QRect& box, Qt::Alignment align,
                                bool wrap, bool mayRunBelow) {
    if (!valid_ || text != text_ || font != font_ || box != box_ || align != align_ || wrap != wrap_ ||
        mayRunBelow != mayRunBelow_) {
        fit_ = FittedText(text, font, box, align, wrap, mayRunBelow);
        text_ = text;
        font_ = font;
        box_ = box;
        align_ = align;
        wrap_ = wrap;
        mayRunBelow_ = mayRunBelow;
        valid_ = true;
    }
    return fit_;
}

} // namespace frontend
