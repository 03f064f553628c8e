#include "screens/practice/kana_chart.h"
#include "screens/practice/look.h"
#include "toolkit/builder.h"
#include "toolkit/runtimeerror.h"
#include <array>

using namespace toolkit;

namespace {

// One cell of the chart: the label's index in chartLabels and its kana. Index -1: the cell holds no label.
struct Cell {
    int index;
    const char* kana;
};

// The indexes follow the practice data, not the chart's order: 36, 38 and 46 to 54 sit among the contracted
// kana, and 49, 50 follow 45 on the last row of the plain kana.
const Cell plainKana[10][5] = {
    {{0, "あ"}, {1, "い"}, {2, "う"}, {3, "え"}, {4, "お"}},
    {{5, "か"}, {6, "き"}, {7, "く"}, {8, "け"}, {9, "こ"}},
    {{10, "さ"}, {11, "し"}, {12, "す"}, {13, "せ"}, {14, "そ"}},
    {{15, "た"}, {16, "ち"}, {17, "つ"}, {18, "て"}, {19, "と"}},
    {{20, "な"}, {21, "に"}, {22, "ぬ"}, {23, "ね"}, {24, "の"}},
    {{25, "は"}, {26, "ひ"}, {27, "ふ"}, {28, "へ"}, {29, "ほ"}},
    {{30, "ま"}, {31, "み"}, {32, "む"}, {33, "め"}, {34, "も"}},
    {{35, "や"}, {-1, ""}, {37, "ゆ"}, {-1, ""}, {39, "よ"}},
    {{40, "ら"}, {41, "り"}, {42, "る"}, {43, "れ"}, {44, "ろ"}},
    {{45, "わ"}, {49, "を"}, {50, "ん"}, {-1, ""}, {-1, ""}},
};

const Cell voicedKana[5][5] = {
    {{55, "が"}, {56, "ぎ"}, {57, "ぐ"}, {58, "げ"}, {59, "ご"}},
    {{60, "ざ"}, {61, "じ"}, {62, "ず"}, {63, "ぜ"}, {64, "ぞ"}},
    {{65, "だ"}, {66, "ぢ"}, {67, "づ"}, {68, "で"}, {69, "ど"}},
    {{70, "ば"}, {71, "び"}, {72, "ぶ"}, {73, "べ"}, {74, "ぼ"}},
    {{75, "ぱ"}, {76, "ぴ"}, {77, "ぷ"}, {78, "ぺ"}, {79, "ぽ"}},
};

const Cell contractedKana[11][3] = {
    {{80, "きゃ"}, {36, "きゅ"}, {38, "きょ"}},
    {{46, "しゃ"}, {47, "しゅ"}, {48, "しょ"}},
    {{51, "ちゃ"}, {52, "ちゅ"}, {53, "ちょ"}},
    {{54, "にゃ"}, {81, "にゅ"}, {82, "にょ"}},
    {{83, "ひゃ"}, {84, "ひゅ"}, {85, "ひょ"}},
    {{86, "みゃ"}, {87, "みゅ"}, {88, "みょ"}},
    {{89, "りゃ"}, {90, "りゅ"}, {91, "りょ"}},
    {{92, "ぎゃ"}, {93, "ぎゅ"}, {94, "ぎょ"}},
    {{95, "じゃ(ぢゃ)"}, {96, "じゅ(ぢゅ)"}, {97, "じょ(ぢょ)"}},
    {{98, "びゃ"}, {99, "びゅ"}, {100, "びょ"}},
    {{101, "ぴゃ"}, {102, "ぴゅ"}, {103, "ぴょ"}},
};

constexpr int rowStep = 360;
constexpr int labelHeight = 375;

void addLabel(QWidget* w, ChartLabels& labels, const Cell& cell, Rect at, const QColor& fore, double points) {
    if (cell.index < 0) return;
    Label* label = makeLabel(w, {at,
                                 QString::fromUtf8(cell.kana),
                                 fore,
                                 practiceLook::windowColour,
                                 {practiceLook::gothic, points, true}});
    labels.set(static_cast<std::int16_t>(cell.index), label);
}

// The kana of every chart label, by index, gathered from the three blocks.
std::array<QString, practice::chartSize> gatherKana() {
    std::array<QString, practice::chartSize> kana;
    auto take = [&kana](const Cell& cell) {
        if (cell.index >= 0) kana[static_cast<std::size_t>(cell.index)] = QString::fromUtf8(cell.kana);
    };
    for (const auto& row : plainKana)
        for (const Cell& cell : row)
            take(cell);
    for (const auto& row : voicedKana)
        for (const Cell& cell : row)
            take(cell);
    for (const auto& row : contractedKana)
        for (const Cell& cell : row)
            take(cell);
    return kana;
}

} // namespace

QString chartKana(int index) {
    static const std::array<QString, practice::chartSize> kana = gatherKana();
    if (index < 0 || index >= practice::chartSize) throw toolkit::subscriptOutOfRange("Label1", index);
    return kana[static_cast<std::size_t>(index)];
}

void buildChart(QWidget* w, ChartLabels& labels) {
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
            const Cell& cell = contractedKana[row][col];
            // The kana with a second spelling in parentheses fit their cells only in the smaller type.
            const double points = cell.index >= 95 && cell.index <= 97 ? 7.5 : 10.5;
            addLabel(w, labels, cell, {4920 + 840 * col, rowStep * row, 885, labelHeight},
                     practiceLook::contractedOlive, points);
        }
    const QCursor tileCursor = cursorFrom(practiceLook::tileCursor, {2, 2});
    for (int k = 0; k < labels.count(); ++k)
        labels(k)->setCursor(tileCursor);
}
