#include "support/practicechart.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include <QStringList>
#include <functional>

namespace {

struct Block {
    int firstLeft, columnStep, width;
    double points;
    QStringList rows; // cells separated by '|', each "index kana", or empty
};

QList<ExpectedChartLabel> parse(const Block& block, const std::function<QColor(int row)>& fore) {
    QList<ExpectedChartLabel> labels;
    for (int row = 0; row < block.rows.size(); ++row) {
        const QStringList cells = block.rows[row].split(u'|');
        for (int col = 0; col < cells.size(); ++col) {
            const QString cell = cells[col].trimmed();
            if (cell.isEmpty()) continue;
            const QStringList parts = cell.split(u' ');
            const int index = parts[0].toInt();
            const double points = index >= 95 && index <= 97 ? 7.5 : block.points;
            labels.append({index, parts[1], block.firstLeft + block.columnStep * col, 360 * row, block.width,
                           points, fore(row)});
        }
    }
    return labels;
}

QList<ExpectedChartLabel> makeChart() {
    const Block plain{120,
                      480,
                      465,
                      14.25,
                      {"0 あ|1 い|2 う|3 え|4 お", "5 か|6 き|7 く|8 け|9 こ",
                       "10 さ|11 し|12 す|13 せ|14 そ", "15 た|16 ち|17 つ|18 て|19 と",
                       "20 な|21 に|22 ぬ|23 ね|24 の", "25 は|26 ひ|27 ふ|28 へ|29 ほ",
                       "30 ま|31 み|32 む|33 め|34 も", "35 や||37 ゆ||39 よ",
                       "40 ら|41 り|42 る|43 れ|44 ろ", "45 わ|49 を|50 ん||"}};
    const Block voiced{2520,
                       480,
                       465,
                       14.25,
                       {"55 が|56 ぎ|57 ぐ|58 げ|59 ご", "60 ざ|61 じ|62 ず|63 ぜ|64 ぞ",
                        "65 だ|66 ぢ|67 づ|68 で|69 ど", "70 ば|71 び|72 ぶ|73 べ|74 ぼ",
                        "75 ぱ|76 ぴ|77 ぷ|78 ぺ|79 ぽ"}};
    const Block contracted{4920,
                           840,
                           885,
                           10.5,
                           {"80 きゃ|36 きゅ|38 きょ", "46 しゃ|47 しゅ|48 しょ", "51 ちゃ|52 ちゅ|53 ちょ",
                            "54 にゃ|81 にゅ|82 にょ", "83 ひゃ|84 ひゅ|85 ひょ", "86 みゃ|87 みゅ|88 みょ",
                            "89 りゃ|90 りゅ|91 りょ", "92 ぎゃ|93 ぎゅ|94 ぎょ",
                            "95 じゃ(ぢゃ)|96 じゅ(ぢゅ)|97 じょ(ぢょ)", "98 びゃ|99 びゅ|100 びょ",
                            "101 ぴゃ|102 ぴゅ|103 ぴょ"}};
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
        practiceScreen.table.labelList[static_cast<std::size_t>(practiceScreen.targetIndex)]);
}
