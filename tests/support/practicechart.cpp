// SPDX-License-Identifier: MIT
#include "support/practicechart.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/data/kanachart.h"
#include <functional>
#include <sstream>

namespace {

struct Block {
    int firstLeft, columnStep, width;
    double points;
    std::vector<std::string> rows; // label numbers separated by '|', or empty cells
};

std::vector<ExpectedChartLabel> parse(const Block& block,
                                      const std::function<toolkit::Colour(int row)>& fore) {
    std::vector<ExpectedChartLabel> labels;
    for (int row = 0; row < static_cast<int>(block.rows.size()); ++row) {
        std::istringstream cells(block.rows[static_cast<std::size_t>(row)]);
        std::string cell;
        for (int col = 0; std::getline(cells, cell, '|'); ++col) {
            if (cell.empty()) continue;
            const int index = std::stoi(cell);
            const double points = index >= 95 && index <= 97 ? 7.5 : block.points;
            labels.push_back({index, std::string(kanaChartCaption(index)),
                              block.firstLeft + block.columnStep * col, 360 * row, block.width, points,
                              fore(row)});
        }
    }
    return labels;
}

std::vector<ExpectedChartLabel> makeChart() {
    const Block plain{120,
                      480,
                      465,
                      14.25,
                      {"0|1|2|3|4", "5|6|7|8|9", "10|11|12|13|14", "15|16|17|18|19", "20|21|22|23|24",
                       "25|26|27|28|29", "30|31|32|33|34", "35||37||39", "40|41|42|43|44", "45|49|50||"}};
    const Block voiced{
        2520,
        480,
        465,
        14.25,
        {"55|56|57|58|59", "60|61|62|63|64", "65|66|67|68|69", "70|71|72|73|74", "75|76|77|78|79"}};
    const Block contracted{4920,
                           840,
                           885,
                           10.5,
                           {"80|36|38", "46|47|48", "51|52|53", "54|81|82", "83|84|85", "86|87|88",
                            "89|90|91", "92|93|94", "95|96|97", "98|99|100", "101|102|103"}};
    std::vector<ExpectedChartLabel> chart = parse(plain, [](int) { return toolkit::Colour{0, 0, 0}; });
    for (const auto& label : parse(voiced, [](int row) {
             return row < 4 ? toolkit::Colour{0, 0, 255} : toolkit::Colour{255, 128, 0};
         }))
        chart.push_back(label);
    for (const auto& label : parse(contracted, [](int) { return toolkit::Colour{192, 192, 0}; }))
        chart.push_back(label);
    return chart;
}

} // namespace

const std::vector<ExpectedChartLabel>& expectedChart() {
    static const std::vector<ExpectedChartLabel> chart = makeChart();
    return chart;
}

std::string expectedKana(int index) {
    for (const ExpectedChartLabel& label : expectedChart())
        if (label.index == index) return label.kana;
    return {};
}

std::string promptFor(int index) {
    return "r" + std::to_string(index);
}

std::string fullPracticeData() {
    std::string data;
    for (int k = 0; k < 104; ++k)
        data += promptFor(k) + "," + expectedKana(k) + "," + std::to_string(k) + "\r\n";
    return data;
}

PracticeScreen& openPractice(GameFixture& game, const std::string& practiceData) {
    game.writeText("romajimojiren.txt", practiceData);
    game.start();
    // As from the menu: an error of the load step goes to the error box.
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    return game.program->practiceScreen();
}

void answerCurrentTarget(PracticeScreen& practiceScreen) {
    practiceScreen.onChartLabelClicked(
        practiceScreen.state().table.labelList[static_cast<std::size_t>(practiceScreen.state().targetIndex)]);
}
