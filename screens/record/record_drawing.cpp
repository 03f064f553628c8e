// SPDX-License-Identifier: MIT
// Drawing きろく: the totals along the top, the plot and the words missed most on the left, the kana chart
// shaded by misses on the right. Everything is placed in shares of the board, so it grows with the window.
#include "screens/navigator.h"
#include "screens/record/record_rules.h"
#include "screens/record/record_window.h"
#include "services/romaji/romaji.h"
#include "toolkit/painter.h"
#include <algorithm>

using toolkit::Colour;
using toolkit::Font;
using toolkit::PixelRect;

namespace {

constexpr Colour ink{40, 40, 40};
constexpr Colour soft{120, 120, 120};
constexpr Colour scoreBlue{30, 90, 200};
constexpr Colour shareGreen{120, 200, 120};
constexpr Colour panel{246, 248, 252};
const std::string gothic = "ＭＳ Ｐゴシック";

Font font(int pixels, bool bold = false) {
    return {gothic, toolkit::pointsForPixels(std::max(8, pixels)), bold};
}

PixelRect part(int w, int h, double left, double top, double width, double height) {
    return {int(w * left), int(h * top), int(w * width), int(h * height)};
}

void drawTotals(toolkit::Painter& p, const record::Summary& s, PixelRect area) {
    const struct {
        const char* words;
        int value;
    } totals[] = {
        {"ことば", s.words}, {"ゲーム", s.gameCount}, {"ふん", s.minutes}, {"さいこう", s.bestScore}};
    const int width = area.width / 4;
    for (int i = 0; i < 4; ++i) {
        const PixelRect box{area.left + i * width + 4, area.top + 4, width - 8, area.height - 8};
        p.fill(box, panel);
        p.drawText({totals[i].words}, font(area.height / 5), {box.left, box.top, box.width, box.height / 3},
                   soft);
        p.drawText({std::to_string(totals[i].value)}, font(area.height / 2, true),
                   {box.left, box.top + box.height / 3, box.width, box.height * 2 / 3}, ink);
    }
}

void drawPlot(toolkit::Painter& p, const record::Summary& s, PixelRect area) {
    p.fill(area, panel);
    const int legend = area.height / 7;
    // The legend in the colours it stands for.
    const int half = area.width / 2;
    p.drawText({"● とくてん"}, font(legend * 3 / 4), {area.left, area.top, half, legend}, scoreBlue);
    p.drawText({"■ 1かいで せいかい"}, font(legend * 3 / 4), {area.left + half, area.top, half, legend},
               Colour{60, 150, 60});
    const PixelRect plot{area.left + 12, area.top + legend + 4, area.width - 24, area.height - legend - 16};
    p.line(plot.left, plot.bottom(), plot.right(), plot.bottom(), soft);
    if (s.days.empty()) {
        p.drawText({"まだ ありません"}, font(legend), plot, soft);
        return;
    }
    const std::int64_t first =
        std::min(s.days.front().day, s.games.empty() ? s.days.front().day : s.games.front().day);
    const std::int64_t last =
        std::max(s.days.back().day, s.games.empty() ? s.days.back().day : s.games.back().day);
    const int dayCount = static_cast<int>(last - first + 1);
    const double slot = double(plot.width) / dayCount;
    auto x = [&](std::int64_t day) { return plot.left + slot * (double(day - first) + 0.5); };
    for (const record::DayPoint& d : s.days) {
        const int height = static_cast<int>(d.firstOkShare() * (plot.height - 2));
        const int barWidth = std::max(3, static_cast<int>(slot * 0.6));
        p.fill({int(x(d.day)) - barWidth / 2, plot.bottom() - height, barWidth, height}, shareGreen);
    }
    int top = 1;
    for (const record::GamePoint& g : s.games)
        top = std::max(top, g.score);
    // Games of one day stand side by side within the day's place.
    std::vector<toolkit::PointF> points;
    for (std::size_t i = 0; i < s.games.size(); ++i) {
        std::size_t sameDay = 0, index = 0;
        for (std::size_t j = 0; j < s.games.size(); ++j)
            if (s.games[j].day == s.games[i].day) {
                if (j < i) ++index;
                ++sameDay;
            }
        const double within = (double(index) + 0.5) / double(sameDay) - 0.5;
        const double px = x(s.games[i].day) + within * slot * 0.8;
        const double py = plot.bottom() - std::max(0, s.games[i].score) * double(plot.height - 8) / top;
        points.push_back({px, py});
    }
    if (points.size() > 1) p.polyline(points, scoreBlue, 2);
    const int dot = std::max(4, plot.height / 25);
    for (const toolkit::PointF& pt : points)
        p.fill({int(pt.x) - dot / 2, int(pt.y) - dot / 2, dot, dot}, scoreBlue);
}

void drawMissedWords(toolkit::Painter& p, const record::Summary& s, PixelRect area,
                     romaji::Spelling spelling) {
    p.fill(area, panel);
    const int row = area.height / 6;
    p.drawText({"よく まちがえた ことば"}, font(row * 2 / 3, true), {area.left, area.top, area.width, row},
               ink);
    if (s.mostMissed.empty()) {
        p.drawText({"ありません"}, font(row * 2 / 3), {area.left, area.top + row, area.width, row}, soft);
        return;
    }
    for (std::size_t i = 0; i < s.mostMissed.size(); ++i) {
        const record::MissedWord& w = s.mostMissed[i];
        std::string written = romaji::spell(w.answer, w.word, spelling);
        if (romaji::drawsMacrons(spelling)) written = romaji::withMacrons(written);
        const int column = static_cast<int>(i / 5), line = static_cast<int>(i % 5);
        const int width = area.width / 2;
        const PixelRect box{area.left + column * width, area.top + row * (line + 1), width, row};
        p.drawText({w.word + "  " + written + "  ×" + std::to_string(w.misses)}, font(row * 11 / 20), box,
                   ink);
    }
}

void drawHeat(toolkit::Painter& p, const record::Summary& s, PixelRect area) {
    const std::array<int, kanaChartSize> heat = recordscreen::kanaHeat(s.missedKana);
    const int most = *std::max_element(heat.begin(), heat.end());
    const int legendHeight = area.height / 12;
    const int cell = std::min(area.width / recordscreen::heatColumns,
                              (area.height - legendHeight) / recordscreen::heatRows);
    const int left = area.left + (area.width - cell * recordscreen::heatColumns) / 2;
    for (int label = 0; label < kanaChartSize; ++label) {
        const recordscreen::Cell at = recordscreen::heatCell(label);
        const PixelRect box{left + at.column * cell + 1, area.top + at.row * cell + 1, cell - 2, cell - 2};
        const Colour back = recordscreen::heatColour(heat[label], most);
        p.fill(box, back);
        p.line(box.left, box.top, box.right(), box.top, Colour{210, 210, 210});
        const std::string caption(kanaChartCaption(label));
        const std::string kana = caption.substr(0, caption.find('('));
        const bool dark = heat[label] * 2 > most && most > 0;
        p.drawText({kana}, font(cell * (kana.size() > 3 ? 9 : 12) / 20), box,
                   dark ? Colour{255, 255, 255} : ink);
    }
    // The legend: from none missed to the most.
    const int top = area.top + cell * recordscreen::heatRows + legendHeight / 4;
    const int step = cell;
    p.drawText({"すくない"}, font(legendHeight / 2), {left, top, step * 2, legendHeight}, soft);
    for (int k = 0; k <= 4; ++k)
        p.fill({left + step * (2 + k), top + legendHeight / 4, step - 2, legendHeight / 2},
               recordscreen::heatColour(k == 0 ? 0 : k, 4));
    p.drawText({"おおい"}, font(legendHeight / 2), {left + step * 7, top, step * 2, legendHeight}, soft);
}

} // namespace

void RecordWindow::draw(toolkit::Painter& p) const {
    const int w = p.width(), h = p.height();
    p.fill({0, 0, w, h}, Colour{255, 255, 255});
    drawTotals(p, summary_, part(w, h, 0.01, 0.01, 0.98, 0.2));
    drawPlot(p, summary_, part(w, h, 0.02, 0.23, 0.5, 0.38));
    drawMissedWords(p, summary_, part(w, h, 0.02, 0.63, 0.5, 0.35), navigator_.spelling());
    drawHeat(p, summary_, part(w, h, 0.54, 0.23, 0.44, 0.76));
}
