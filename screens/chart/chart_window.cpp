// SPDX-License-Identifier: MIT
#include "screens/chart/chart_window.h"
#include "screens/navigator.h"
#include "toolkit/builder.h"
#include <cmath>

using namespace toolkit;

ChartWindow::ChartWindow(Navigator& navigator) : Screen(navigator), navigator_(navigator) {}

const chart::Layout& ChartWindow::chartLayout(int width, int height, const TextMetrics& metrics) {
    const romaji::Spelling spelling = navigator_.spelling();
    if (width != laidOutWidth_ || height != laidOutHeight_ || spelling != layout_.spelling) {
        layout_ = chart::layout(static_cast<int>(std::lround(width * tableShare)), height, metrics, spelling);
        laidOutWidth_ = width;
        laidOutHeight_ = height;
    }
    return layout_;
}

void ChartWindow::spellingChosen() {
    if (c.chart) c.chart->update();
}

std::unique_ptr<Window> ChartWindow::build() {
    auto window = std::make_unique<Window>("ローマ字表", 5850, 8760);
    // At the left edge of the screen, beside the game rather than over it.
    window->setDesignPosition({0, 390});
    window->setBackColor(white);
    window->setCursor({"cursors/tile.png", {2, 2}});
    // The chart is laid out on a page wider than the window; its table stays inside the window and the
    // page is fitted to the container's height, so the last row (long vowels and っ) stays in view.
    c.chart = window->add<Canvas>(nullptr);
    c.chart->setGeometry({0, 120, 10590, 8115});
    c.chart->setAccessibleName("ローマ字表");
    c.chart->paint = [this](Painter& painter) {
        drawChart(painter, chartLayout(painter.width(), painter.height(), painter));
    };
    define(guard(), {{window.get(), "Form2"}, {c.chart, "OLE1"}});
    return window;
}
