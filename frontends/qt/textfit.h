// SPDX-License-Identifier: MIT
#pragma once
// Text that stays inside its control with whatever Japanese font the desktop draws it in. The screens were
// laid out for fonts whose line box is about as tall as the letters (the baseline 0.88 em below the top of
// the line); fallback fonts such as Noto Sans CJK JP carry a far taller line box (1.16 em above the
// baseline), which would push the letters down out of a tile or the word label. So the baseline never sits
// lower than it would in the fonts of the layout, the text keeps its defined size whenever its ink fits,
// moves up or down a little when only its ink sticks out, and is drawn smaller only when it is too big for
// the control (a long word in the word label, a wide capital on a tile).
#include "toolkit/font.h"
#include <QFont>
#include <QRect>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;
class QTextLayout;

namespace frontend {

class FittedText {
public:
    FittedText();
    // Lays out text in box with the given alignment (horizontal: left, centre or right; vertical: top or
    // centre), wrapping lines at the box's width if asked to. With mayRunBelow, only the top of the ink must
    // stay inside: for a control whose lower part is meant to be covered by another.
    FittedText(const QString& text, const QFont& font, const QRect& box, Qt::Alignment align, bool wrap,
               bool mayRunBelow = false);
    ~FittedText();
    FittedText(FittedText&&) noexcept;
    FittedText& operator=(FittedText&&) noexcept;

    // The pixel size the text is drawn at: the font's own whenever the text fits at it.
    int pixelSize() const { return pixels_; }
    // Where the ink of the drawn text lies, in the coordinates of the box's parent (as the box).
    QRectF inkRect() const { return ink_; }
    // False only when the text overflows even at the smallest size.
    bool fits() const { return fits_; }
    // Draws the text with the painter's pen; the characters outside inkOnly, when it is given, unseen.
    void draw(QPainter& painter, const QString& inkOnly = {}) const;

    // The smallest size the text is ever shrunk to.
    static constexpr int minimumPixels = toolkit::minimumCaptionPixels;

private:
    std::unique_ptr<QTextLayout> layout_;
    QPointF offset_;
    QRectF ink_;
    int pixels_ = 0;
    bool fits_ = true;
};

// A control's fitted caption, laid out again only when its text, font, box, alignment or wrapping changes.
class FitCache {
public:
    const FittedText& fit(const QString& text, const QFont& font, const QRect& box, Qt::Alignment align,
                          bool wrap, bool mayRunBelow = false);

private:
    FittedText fit_;
    QString text_;
    QFont font_;
    QRect box_;
    Qt::Alignment align_;
    bool wrap_ = false;
    bool mayRunBelow_ = false;
    bool valid_ = false;
};

} // namespace frontend
