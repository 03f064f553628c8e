// SPDX-License-Identifier: MIT
#pragma once
// The romaji chart window: a reference card of kana and their romaji beside the game. It has no handlers
// of its own; other screens show, hide and close it.
#include "screens/chart/chart_view.h"
#include "toolkit/screen.h"

class Navigator;

struct ChartWindowControls {
    chart::ChartView* chart = nullptr; // the chart, reaching past the window's right edge
};

class ChartWindow : public toolkit::Screen {
public:
    explicit ChartWindow(Navigator& navigator);
    const ChartWindowControls& controls() const { return c; }

protected:
    toolkit::ScreenWindow* build() override;
    void forgetControls() override { c = ChartWindowControls{}; }

private:
    ChartWindowControls c;
};
