#pragma once
// The romaji chart window: a reference card of kana and their romaji beside the game. It has no handlers
// of its own; other screens show, hide and close it.
#include "screens/chart/chart_view.h"
#include "toolkit/screen.h"

class ScreenPeers;

struct Form2Controls {
    chart::ChartView* OLE1 = nullptr; // the chart, reaching past the window's right edge
};

class Form2 : public toolkit::Screen {
public:
    explicit Form2(ScreenPeers& peers);
    const Form2Controls& controls() const { return c; }

protected:
    toolkit::ScreenWindow* build() override;
    void forgetControls() override { c = Form2Controls{}; }

private:
    Form2Controls c;
};
