// SPDX-License-Identifier: MIT
#pragma once
// The colours the main screen's handlers paint with, each kept here once.
#include "toolkit/colour.h"

namespace mainscreen {

// The buttons' and the question word's light green; the hint button wears it while it offers a hint.
inline constexpr toolkit::Colour lightGreen{192, 255, 192};
// The hint button turns red when a retry follows the first hint: the last hint is on offer.
inline constexpr toolkit::Colour hintRed{255, 0, 0};
// Letters on the tiles: the five lower-case vowels in blue, everything else in black.
inline constexpr toolkit::Colour vowelBlue{0, 0, 255};
inline constexpr toolkit::Colour letterBlack{0, 0, 0};

} // namespace mainscreen
