// SPDX-License-Identifier: MIT
#pragma once
// Drawing a screen does itself (the chart), in the pixels of its canvas. The front end measures and draws
// text with the fonts it has; the screen decides where everything goes.
#include "toolkit/colour.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include <string>
#include <vector>

namespace toolkit {

// Where a text's ink lies when it is drawn centred in a box, in the box's coordinates (as the box).
struct Ink {
    double left = 0, top = 0, width = 0, height = 0;
    // False when the text would be drawn smaller than its font to stay inside the box.
    bool keptItsSize = true;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // The height of a line of text in the font, in pixels.
    virtual int lineHeight(const Font& font) const = 0;
    // How far one line of text runs, in pixels.
    virtual int advance(const Font& font, const std::string& line) const = 0;
    // The ink of the lines drawn centred in box as drawText draws them.
    virtual Ink inkOf(const std::vector<std::string>& lines, const Font& font, PixelRect box) const = 0;
};

struct PointF {
    double x = 0, y = 0;
};

class Painter : public TextMetrics {
public:
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void fill(PixelRect box, Colour colour) = 0;
    // A one-pixel line from one pixel to another, both drawn.
    virtual void line(int x1, int y1, int x2, int y2, Colour colour) = 0;
    // A smooth line through points, of the given width.
    virtual void polyline(const std::vector<PointF>& points, Colour colour, double width) = 0;
    // Lines of text centred in box, each line centred; shrunk only when too big for it.
    virtual void drawText(const std::vector<std::string>& lines, const Font& font, PixelRect box,
                          Colour colour) = 0;
};

} // namespace toolkit
