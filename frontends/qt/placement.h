// SPDX-License-Identifier: MIT
#pragma once
// Where a window opens. Every window has a design position, measured from the top-left corner of the screen
// it opens on; the player's screen may be smaller than the one the layout was drawn on, or scaled, so the
// window goes to the nearest position at which it lies wholly inside the screen's available area (the
// screen less its panels). A window may also be asked to stand beside another one instead of over it.
#include <QPoint>
#include <QRect>

namespace frontend {

// A screen as the desktop reports it, in device pixels, and its scale factor. Qt keeps a screen's top-left
// corner in device pixels and divides distances from it by the scale; this follows the same rule.
struct ScreenArea {
    QRect geometry;  // the whole screen
    QRect available; // the part windows may use
    double scale = 1;

    QRect logicalGeometry() const;
    QRect logicalAvailable() const;
};

// Where a window goes, in logical pixels (what QWidget::move takes). frame is the window with its frame at
// its design position, relative to the screen's top-left corner, in logical pixels. A window larger than
// the available area keeps its top-left corner inside it, so its title bar and menus can be reached.
QPoint placeWindow(const QRect& frame, const ScreenArea& screen);

// The same, for a window that should stand beside the window whose frame is given (global, logical pixels)
// rather than over it: on its right if there is room for it there, else on its left, else where
// placeWindow puts it.
QPoint placeBeside(const QRect& frame, const ScreenArea& screen, const QRect& neighbour);

} // namespace frontend
