// SPDX-License-Identifier: MIT
#pragma once
// The screens' plain colours as the window library paints them.
#include "toolkit/colour.h"
#include <QColor>

namespace frontend {

inline QColor toQColor(toolkit::Colour colour) {
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace frontend
