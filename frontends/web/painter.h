// SPDX-License-Identifier: MIT
#pragma once
// Drawing on a canvas element of the page, in its pixels, through the page's 2D context.
#include "toolkit/painter.h"

namespace web {

class WebPainter : public toolkit::Painter {
public:
    explicit WebPainter(int canvasId);
    int width() const override { return width_; }
    int height() const override { return height_; }
    int lineHeight(const toolkit::Font& font) const override;
    int advance(const toolkit::Font& font, const std::string& line) const override;
    toolkit::Ink inkOf(const std::vector<std::string>& lines, const toolkit::Font& font,
                       toolkit::PixelRect box) const override;
    void fill(toolkit::PixelRect box, toolkit::Colour colour) override;
    void line(int x1, int y1, int x2, int y2, toolkit::Colour colour) override;
    void polyline(const std::vector<toolkit::PointF>& points, toolkit::Colour colour, double width) override;
    void drawText(const std::vector<std::string>& lines, const toolkit::Font& font, toolkit::PixelRect box,
                  toolkit::Colour colour) override;

private:
    int id_;
    int width_ = 0, height_ = 0;
};

} // namespace web
