// SPDX-License-Identifier: MIT
#pragma once
// The romaji chart window: a reference card of kana and their romaji beside the game. It draws its chart
// and takes no input of its own; other screens show, hide and close it.
#include "screens/chart/chart_layout.h"
#include "toolkit/screen.h"

class Navigator;

struct ChartWindowControls {
    toolkit::Canvas* chart = nullptr; // the chart, reaching past the window's right edge
};

class ChartWindow : public toolkit::Screen {
public:
    explicit ChartWindow(Navigator& navigator);
    const ChartWindowControls& controls() const { return c; }

    // The chart is laid out on a page wider than the window: the table takes this share of the page's width
    // and its full height, and the window's edge cuts off the blank rest.
    static constexpr double tableShare = 0.53;
    // The table's layout on a page of the given size in pixels, in the spelling the player chose; laid out
    // again only when the size or the spelling changes.
    const chart::Layout& chartLayout(int width, int height, const toolkit::TextMetrics& metrics);
    // The player chose a spelling: a chart on the screen is drawn again in it at once.
    void spellingChosen();

protected:
    std::unique_ptr<toolkit::Window> build() override;
    void forgetControls() override { c = ChartWindowControls{}; }

private:
    Navigator& navigator_;
    ChartWindowControls c;
    chart::Layout layout_;
    int laidOutWidth_ = -1, laidOutHeight_ = -1;
};
