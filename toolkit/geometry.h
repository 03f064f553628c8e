// SPDX-License-Identifier: MIT
#pragma once
// Places and sizes. A screen lays out its controls in twips (1/1440 inch) and never in pixels: the front end
// turns twips into pixels. Pixels appear only where a screen draws for itself (the chart).
namespace toolkit {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0; // twips
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0, y = 0; // twips
    friend bool operator==(const Point&, const Point&) = default;
};

// A box in the pixels of a drawing; right and bottom are its last pixels, as the rules of a table count.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width - 1; }
    int bottom() const { return top + height - 1; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace toolkit
