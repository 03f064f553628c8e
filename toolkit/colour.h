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

} // namespace toolkit
