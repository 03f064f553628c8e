// SPDX-License-Identifier: MIT
#include "frontends/qt/placement.h"
#include <algorithm>
#include <cmath>

namespace frontend {

namespace {

int toLogical(int device, int origin, double scale) {
    return origin + static_cast<int>(std::floor((device - origin) / scale));
}

QRect toLogical(const QRect& device, QPoint origin, double scale) {
    const QPoint topLeft(toLogical(device.left(), origin.x(), scale),
                         toLogical(device.top(), origin.y(), scale));
    // The far edges are rounded inwards, so a window placed inside never reaches past the device edge.
    const QPoint end(toLogical(device.left() + device.width(), origin.x(), scale),
                     toLogical(device.top() + device.height(), origin.y(), scale));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

// The nearest start in [low, high - length], or low when the length does not fit at all.
int clampStart(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

QRect ScreenArea::logicalGeometry() const {
    return toLogical(geometry, geometry.topLeft(), scale);
}

QRect ScreenArea::logicalAvailable() const {
    return toLogical(available, geometry.topLeft(), scale);
}

QPoint placeWindow(const QRect& frame, const ScreenArea& screen) {
    const QRect area = screen.logicalAvailable();
    const QPoint design = screen.logicalGeometry().topLeft() + frame.topLeft();
    return {clampStart(design.x(), frame.width(), area.left(), area.left() + area.width()),
            clampStart(design.y(), frame.height(), area.top(), area.top() + area.height())};
}

QPoint placeBeside(const QRect& frame, const ScreenArea& screen, const QRect& neighbour) {
    const QRect area = screen.logicalAvailable();
    QPoint at = placeWindow(frame, screen);
    const int areaEnd = area.left() + area.width();
    const int neighbourEnd = neighbour.left() + neighbour.width();
    const int rightStart = std::max(neighbourEnd, area.left());
    const int leftEnd = std::min(neighbour.left(), areaEnd);
    const bool overlaps = at.x() < neighbourEnd && neighbour.left() < at.x() + frame.width() &&
                          at.y() < neighbour.top() + neighbour.height() &&
                          neighbour.top() < at.y() + frame.height();
    if (!overlaps) return at;
    if (areaEnd - rightStart >= frame.width())
        at.setX(clampStart(std::max(at.x(), rightStart), frame.width(), rightStart, areaEnd));
    else if (leftEnd - area.left() >= frame.width())
        at.setX(clampStart(std::min(at.x(), leftEnd - frame.width()), frame.width(), area.left(), leftEnd));
    return at;
}

} // namespace frontend
