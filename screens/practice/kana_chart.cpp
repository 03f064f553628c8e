// SPDX-License-Identifier: MIT
#include "screens/practice/kana_chart.h"
#include "screens/practice/look.h"
#include "services/data/kanachart.h"
#include "toolkit/builder.h"
#include "toolkit/runtimeerror.h"

using namespace toolkit;

namespace {

// The label numbers of the chart's cells, block by block, row by row; -1: the cell holds no label. The
// numbers follow the practice data, not the chart's order: 36, 38 and 46 to 54 sit among the contracted
// kana, and 49, 50 follow 45 on the last row of the plain kana. Each label shows its caption from the
// chart's one table (services/data/kanachart.h).
const int plainKana[10][5] = {
    {0, 1, 2, 3, 4},      {5, 6, 7, 8, 9},      {10, 11, 12, 13, 14}, {15, 16, 17, 18, 19},
    {20, 21, 22, 23, 24}, {25, 26, 27, 28, 29}, {30, 31, 32, 33, 34}, {35, -1, 37, -1, 39},
    {40, 41, 42, 43, 44}, {45, 49, 50, -1, -1},
};

const int voicedKana[5][5] = {
    {55, 56, 57, 58, 59}, {60, 61, 62, 63, 64}, {65, 66, 67, 68, 69},
    {70, 71, 72, 73, 74}, {75, 76, 77, 78, 79},
};

const int contractedKana[11][3] = {
    {80, 36, 38}, {46, 47, 48}, {51, 52, 53}, {54, 81, 82},  {83, 84, 85},    {86, 87, 88},
    {89, 90, 91}, {92, 93, 94}, {95, 96, 97}, {98, 99, 100}, {101, 102, 103},
};

constexpr int rowStep = 360;
constexpr int labelHeight = 375;

void addLabel(Window& w, ChartLabels& labels, int index, Rect at, Colour fore, double points) {
    if (index < 0) return;
    Label* label = makeLabel(
        w, nullptr,
        {at, chartKana(index), fore, practiceLook::windowColour, Font{practiceLook::gothic, points, true}});
    labels.set(static_cast<std::int16_t>(index), label);
}

} // namespace

std::string chartKana(int index) {
    if (index < 0 || index >= practice::chartSize) throw toolkit::subscriptOutOfRange("Label1", index);
    return std::string(kanaChartCaption(index));
}

void buildChart(Window& w, ChartLabels& labels) {
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 5; ++col)
            addLabel(w, labels, plainKana[row][col], {120 + 480 * col, rowStep * row, 465, labelHeight},
                     practiceLook::windowText, 14.25);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col)
            addLabel(w, labels, voicedKana[row][col], {2520 + 480 * col, rowStep * row, 465, labelHeight},
                     row < 4 ? practiceLook::voicedBlue : practiceLook::halfVoicedOrange, 14.25);
    for (int row = 0; row < 11; ++row)
        for (int col = 0; col < 3; ++col) {
            const int index = contractedKana[row][col];
            // The kana with a second spelling in parentheses fit their cells only in the smaller type.
            const double points = index >= 95 && index <= 97 ? 7.5 : 10.5;
            addLabel(w, labels, index, {4920 + 840 * col, rowStep * row, 885, labelHeight},
                     practiceLook::contractedOlive, points);
        }
    const Cursor tileCursor{practiceLook::tileCursor, {2, 2}};
    for (int k = 0; k < labels.count(); ++k)
        labels(k)->setCursor(tileCursor);
}
