// SPDX-License-Identifier: MIT
#pragma once
// The practice screen's colours, fonts and cursor, each defined once for the definition and the chart.
// Plain values: names are UTF-8.
#include "toolkit/colour.h"

namespace practiceLook {

using toolkit::Colour;

// The desktop's window colour (white) and window-text colour (black), behind and on the chart, the prompt
// and the count.
inline constexpr Colour windowColour{255, 255, 255};
inline constexpr Colour windowText{0, 0, 0};
// The screen's own background, and the instruction, level and time labels that stand on it.
inline constexpr Colour paper{255, 255, 255};
// The instruction, the level, the count and the time are written in red.
inline constexpr Colour red{255, 0, 0};
// An answered kana is shown on this light red.
inline constexpr Colour answeredMark{255, 0, 0};
// The chart: plain kana in the window-text colour, voiced kana in blue (the p-row in orange), contracted
// kana in olive.
inline constexpr Colour voicedBlue{0, 0, 255};
inline constexpr Colour halfVoicedOrange{255, 128, 0};
inline constexpr Colour contractedOlive{192, 192, 0};
// The START and begin buttons.
inline constexpr Colour startBack{255, 255, 192};
inline constexpr Colour beginBack{255, 192, 128};

inline constexpr const char* gothic = "ＭＳ ゴシック";
inline constexpr const char* pGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* tileCursor = "cursors/tile.png";

} // namespace practiceLook
