// SPDX-License-Identifier: MIT
#include "frontends/web/painter.h"
#include "frontends/web/page.h"

using emscripten::val;
using namespace toolkit;

namespace web {

namespace {

val linesOf(const std::vector<std::string>& lines) {
    val array = val::array();
    for (const std::string& line : lines)
        array.call<void>("push", line);
    return array;
}

val boxOf(PixelRect box) {
    val array = val::array();
    array.call<void>("push", box.left, box.top, box.width, box.height);
    return array;
}

} // namespace

WebPainter::WebPainter(int canvasId) : id_(canvasId) {
    const val size = page().call<val>("canvasSize", id_);
    width_ = size[0].as<int>();
    height_ = size[1].as<int>();
}

int WebPainter::lineHeight(const Font& font) const {
    return page().call<int>("lineHeight", font.family, pixelsOf(font), font.bold);
}

int WebPainter::advance(const Font& font, const std::string& line) const {
    return page().call<int>("advance", font.family, pixelsOf(font), font.bold, line);
}

Ink WebPainter::inkOf(const std::vector<std::string>& lines, const Font& font, PixelRect box) const {
    const val ink =
        page().call<val>("inkOf", linesOf(lines), font.family, pixelsOf(font), font.bold, boxOf(box));
    return {ink[0].as<double>(), ink[1].as<double>(), ink[2].as<double>(), ink[3].as<double>(),
            ink[4].as<bool>()};
}

void WebPainter::fill(PixelRect box, Colour colour) {
    page().call<void>("paintFill", id_, boxOf(box), css(colour));
}

void WebPainter::line(int x1, int y1, int x2, int y2, Colour colour) {
    page().call<void>("paintLine", id_, x1, y1, x2, y2, css(colour));
}

void WebPainter::polyline(const std::vector<PointF>& points, Colour colour, double width) {
    val flat = val::array();
    for (const PointF& point : points)
        flat.call<void>("push", point.x, point.y);
    page().call<void>("paintPolyline", id_, flat, css(colour), width);
}

void WebPainter::drawText(const std::vector<std::string>& lines, const Font& font, PixelRect box,
                          Colour colour) {
    page().call<void>("paintText", id_, linesOf(lines), font.family, pixelsOf(font), font.bold, boxOf(box),
                      css(colour));
}

} // namespace web
