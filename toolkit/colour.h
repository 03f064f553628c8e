// SPDX-License-Identifier: MIT
#pragma once
// A colour as the screens choose it: red, green and blue, each 0 to 255. Plain numbers, so the rules that
// pick a colour need no window library; the toolkit turns it into the window library's colour when it paints.
#include <cstdint>

namespace toolkit {

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Colour, Colour) = default;
};

// How bright a colour looks, from 0 (black) to 1 (white): its red, green and blue made linear and weighed
// as the eye weighs them (the sRGB formula).
double relativeLuminance(Colour colour);
// How far two colours stand apart, from 1:1 (the same) to 21:1 (black and white): the lighter one's
// luminance plus 0.05 over the darker one's plus 0.05.
double contrastRatio(Colour a, Colour b);

// The contrast a mark must have against what lies behind it to be seen by everyone: 4.5:1 for text, 3:1
// for large text (18 points and up, or bold from 14 points) and for the edge of a tile or a line.
inline constexpr double textContrast = 4.5;
inline constexpr double largeTextContrast = 3.0;
inline constexpr double markContrast = 3.0;

// The colour nearest to fore of its own hue that stands out from back by at least the ratio: fore itself
// when it does already, otherwise fore mixed with black (darker) or with white (lighter), whichever needs
// the least of it to get there. Mixing with black or white keeps the colour's hue, so a blue stays blue.
Colour readableOn(Colour fore, Colour back, double ratio);

} // namespace toolkit
