// SPDX-License-Identifier: MIT
#pragma once
// A font as a screen names it: a family of the Japanese desktop the layout was drawn on ("ＭＳ Ｐゴシック"),
// a size in points and a weight. Each front end maps the family to a font it has.
#include <string>

namespace toolkit {

struct Font {
    std::string family = "ＭＳ Ｐゴシック";
    double points = 9;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Points become pixels at 96 dots per inch, so text keeps its place on the twip grid.
inline int pixelsOf(const Font& font) {
    return static_cast<int>(font.points * 96.0 / 72.0 + 0.5);
}
inline double pointsForPixels(int pixels) {
    return pixels * 72.0 / 96.0;
}

// A caption too big for its control is drawn smaller, but never below this many pixels.
inline constexpr int minimumCaptionPixels = 6;

} // namespace toolkit
