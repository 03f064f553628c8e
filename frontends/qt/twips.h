// SPDX-License-Identifier: MIT
#pragma once
// Screens are defined in twips (1/1440 inch); a window at zoom 1 places its widgets at 15 twips per logical
// pixel, and at zoom z at 15 / z, so Qt's own scaling still takes care of HiDPI screens on top.
#include <QRect>
#include <cmath>

namespace frontend {

inline constexpr double twipsPerPixel = 15.0;

inline int px(double twips, double zoom = 1) {
    return static_cast<int>(std::lround(twips * zoom / twipsPerPixel));
}

inline QRect rectFromTwips(double left, double top, double width, double height, double zoom = 1) {
    return QRect(px(left, zoom), px(top, zoom), px(width, zoom), px(height, zoom));
}

} // namespace frontend
