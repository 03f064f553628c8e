// SPDX-License-Identifier: MIT
#pragma once
// The romaji chart drawn as a table. The widget is as wide as the page the chart was laid out on; the
// table takes the left 53 % of it and its full height, and the window's edge cuts off the blank rest.
#include "screens/chart/chart_layout.h"
#include <QWidget>

namespace chart {

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent);
    // Laid out again whenever the widget's size has changed, even while it is hidden.
    const Layout& chartLayout() const;

    // The share of the page's width the table fills.
    static constexpr double tableShare = 0.53;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawCell(QPainter& painter, int band, int column) const;
    mutable Layout layout_;
    mutable QSize laidOutFor_;
};

} // namespace chart
