// SPDX-License-Identifier: MIT
#include "support/practicechart.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/data/kanachart.h"
#include <QStringList>
#include <functional>

namespace {

struct Block {
    int firstLeft, columnStep, width;
    double points;
    QStringList rows; // label numbers separated by '|', or empty cells
};

QList<ExpectedChartLabel> parse(const Block& block, const std::function<QColor(int row)>& fore) {
    QList<ExpectedChartLabel> labels;
    for (int row = 0; row < block.rows.size(); ++row) {
        const QStringList cells = block.rows[row].split(u'|');
        for (int col = 0; col < cells.size(); ++col) {
            const QString cell = cells[col].trimmed();
            if (cell.isEmpty()) continue;
            const int index = cell.toInt();
            const double points = index >= 95 && index <= 97 ? 7.5 : block.points;
            const std::string_view kana = kanaChartCaption(index);
            labels.append({index, QString::fromUtf8(kana.data(), static_cast<qsizetype>(kana.size())),
                           block.firstLeft + block.columnStep * col, 360 * row, block.width, points,
                           fore(row)});
        }
    }
    return labels;
}

QList<ExpectedChartLabel> makeChart() {
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
    QList<ExpectedChartLabel> chart = parse(plain, [](int) { return QColor(0, 0, 0); });
    chart += parse(voiced, [](int row) { return row < 4 ? QColor(0, 0, 255) : QColor(255, 128, 0); });
    chart += parse(contracted, [](int) { return QColor(192, 192, 0); });
    return chart;
}

} // namespace

const QList<ExpectedChartLabel>& expectedChart() {
    static const QList<ExpectedChartLabel> chart = makeChart();
    return chart;
}

QString expectedKana(int index) {
    for (const ExpectedChartLabel& label : expectedChart())
        if (label.index == index) return label.kana;
    return QString();
}

QString promptFor(int index) {
    return QStringLiteral("r%1").arg(index);
}

QString fullPracticeData() {
    QString data;
    for (int k = 0; k < 104; ++k)
        data += QStringLiteral("%1,%2,%3\r\n").arg(promptFor(k), expectedKana(k)).arg(k);
    return data;
}

PracticeScreen& openPractice(GameFixture& game, const QString& practiceData) {
    game.writeText(QStringLiteral("romajimojiren.txt"), practiceData);
    game.start();
    // As from the menu: an error of the load step goes to the error box.
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    return game.program->practiceScreen();
}

void answerCurrentTarget(PracticeScreen& practiceScreen) {
    practiceScreen.onChartLabelClicked(
        practiceScreen.state().table.labelList[static_cast<std::size_t>(practiceScreen.state().targetIndex)]);
}
