// SPDX-License-Identifier: MIT
#include "screens/chart/chart_window.h"
#include "screens/navigator.h"
#include "toolkit/builder.h"
#include "toolkit/twips.h"

using namespace toolkit;

ChartWindow::ChartWindow(Navigator& navigator) : Screen(navigator) {}

ScreenWindow* ChartWindow::build() {
    auto* window = new ScreenWindow(QStringLiteral("ローマ字表"), {px(5850), px(8760)});
    // At the left edge of the screen, beside the game rather than over it.
    window->setDesignPosition({0, px(390)});
    QWidget* client = window->client();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    client->setCursor(cursorFrom(QStringLiteral(":/cursors/tile.png"), {2, 2}));
    // The chart is laid out on a page wider than the window; its table stays inside the window and the
    // page is fitted to the container's height, so the last row (long vowels and っ) stays in view.
    c.chart = new chart::ChartView(client);
    c.chart->setGeometry(rectFromTwips(0, 120, 10590, 8115));
    nameControls({{window, "Form2"}, {c.chart, "OLE1"}});
    return window;
}
