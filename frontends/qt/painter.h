// SPDX-License-Identifier: MIT
#pragma once
// A screen's own drawing on the desktop: text measured and drawn with the desktop's fonts (fitted as the
// labels are), lines and fills through QPainter.
#include "toolkit/painter.h"
#include <QPainter>

namespace frontend {

class QtTextMetrics : public toolkit::TextMetrics {
public:
    int lineHeight(const toolkit::Font& font) const override;
    int advance(const toolkit::Font& font, const std::string& line) const override;
    toolkit::Ink inkOf(const std::vector<std::string>& lines, const toolkit::Font& font,
                       toolkit::PixelRect box) const override;
};

class QtPainter : public toolkit::Painter {
public:
    QtPainter(QPainter& painter, QSize size) : painter_(painter), size_(size) {}
    int lineHeight(const toolkit::Font& font) const override { return metrics_.lineHeight(font); }
    int advance(const toolkit::Font& font, const std::string& line) const override {
        return metrics_.advance(font, line);
    }
    toolkit::Ink inkOf(const std::vector<std::string>& lines, const toolkit::Font& font,
                       toolkit::PixelRect box) const override {
        return metrics_.inkOf(lines, font, box);
    }
    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }
    void fill(toolkit::PixelRect box, toolkit::Colour colour) override;
    void line(int x1, int y1, int x2, int y2, toolkit::Colour colour) override;
    void polyline(const std::vector<toolkit::PointF>& points, toolkit::Colour colour, double width) override;
    void drawText(const std::vector<std::string>& lines, const toolkit::Font& font, toolkit::PixelRect box,
                  toolkit::Colour colour) override;

private:
    QPainter& painter_;
    QSize size_;
    QtTextMetrics metrics_;
};

} // namespace frontend
