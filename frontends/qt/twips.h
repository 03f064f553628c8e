// SPDX-License-Identifier: MIT
#pragma once
// Screens are defined in twips (1/1440 inch); the toolkit places widgets at 15 twips per logical pixel,
// so Qt's own scaling takes care of HiDPI screens.
#include <QRect>
#include <cmath>

namespace frontend {

inline constexpr double twipsPerPixel = 15.0;

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

inline QRect rectFromTwips(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace frontend
