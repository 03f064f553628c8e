// SPDX-License-Identifier: MIT
#include "frontends/web/painter.h"
#include "frontends/web/page_calls.h"

using namespace toolkit;

namespace web {

namespace {

page::TextFont fontOf(const Font& font) {
    return {font.family, pixelsOf(font), font.bold};
}

page::Box boxOf(PixelRect box) {
    return {static_cast<double>(box.left), static_cast<double>(box.top), static_cast<double>(box.width),
            static_cast<double>(box.height)};
}

} // namespace

WebPainter::WebPainter(int canvasId) : id_(canvasId) {
    const page::CanvasSize size = page::canvasSize(id_);
    width_ = size.width;
    height_ = size.height;
}

int WebPainter::lineHeight(const Font& font) const {
    return page::lineHeight(fontOf(font));
}

int WebPainter::advance(const Font& font, const std::string& line) const {
    return page::advance({fontOf(font), line});
}

Ink WebPainter::inkOf(const std::vector<std::string>& lines, const Font& font, PixelRect box) const {
    const page::Ink ink = page::inkOf({lines, fontOf(font), boxOf(box)});
    return {ink.box.left, ink.box.top, ink.box.width, ink.box.height, ink.kept};
}

void WebPainter::fill(PixelRect box, Colour colour) {
    page::paintFill({id_, boxOf(box), colour});
}

void WebPainter::line(int x1, int y1, int x2, int y2, Colour colour) {
    page::paintLine({id_, x1, y1, x2, y2, colour});
}

void WebPainter::polyline(const std::vector<PointF>& points, Colour colour, double width) {
    page::Polyline polyline{id_, {}, colour, width};
    polyline.points.reserve(points.size() * 2);
    for (const PointF& point : points) {
        polyline.points.push_back(point.x);
        polyline.points.push_back(point.y);
    }
    page::paintPolyline(polyline);
}

void WebPainter::drawText(const std::vector<std::string>& lines, const Font& font, PixelRect box,
                          Colour colour) {
    page::paintText({id_, {lines, fontOf(font), boxOf(box)}, colour});
}

} // namespace web
