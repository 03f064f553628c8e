// SPDX-License-Identifier: MIT
// The romaji chart: its rows and columns and the rules its cells follow. The chart window as the desktop
// shows it (created hidden, the whole table inside it with every text fitting its cell and every filled cell
// drawn, showing or hiding twice changing nothing) is checked in qt/test_screens_drawn.
#include "screens/chart/chart_layout.h"
#include "support/gamefixture.h"
#include "toolkit/text.h"
#include <algorithm>
#include <gtest/gtest.h>

using namespace chart;

namespace {
bool isRomaji(const std::string& line) {
    return !line.empty() &&
           std::all_of(line.begin(), line.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; });
}
} // namespace

TEST(Chart, chartHoldsTheDefinedRowsAndColumns) {
    ASSERT_EQ(rowCount, 17);
    ASSERT_EQ(columnCount, 9);
    std::vector<std::string> heads;
    for (int column = 0; column < columnCount; ++column)
        heads.push_back(head(column));
    ASSERT_EQ(heads, std::vector<std::string>({"", "Aあ", "Ｉい", "Uう", "Ｅえ", "Ｏお", "ゃ", "ゅ", "ょ"}));
    std::vector<std::string> rowHeads;
    for (int row = 0; row < rowCount; ++row)
        rowHeads.push_back(cell(row, 0));
    ASSERT_EQ(rowHeads,
              std::vector<std::string>({"", "Ｋか", "Ｓさ", "Ｔた", "Ｎな", "Ｈは", "Ｍま", "Ｙや", "Ｒら",
                                        "Ｗわ", "ん", "Ｇが", "Ｚざ", "Ｄだ", "Ｂば", "Ｐぱ", "あー"}));
    const std::string vowels = "aiueo";
    const char* const smallKana[] = {"ゃ", "ゅ", "ょ"};
    int filled = 0;
    for (int row = 0; row < rowCount - 1; ++row) {
        for (int column = 1; column < columnCount; ++column) {
            const std::string text = cell(row, column);
            const std::vector<std::string> textLines = bandLines(row + 1, column);
            if (text.empty()) continue;
            ++filled;
            ASSERT_TRUE(!isLongVowel(cell(row, column)));
            if (column <= 5) {
                // A vowel column spells the row's sound ending in its vowel (ん alone is just "n").
                const char vowel = cell(row, 0) == "ん" ? 'n' : vowels[column - 1];
                for (const std::string& line : textLines)
                    ASSERT_TRUE(isRomaji(line) && line.back() == vowel) << text;
            } else {
                // A contracted sound: its kana ending in the small ゃ, ゅ or ょ, then its spellings.
                const char* small = smallKana[column - 6];
                ASSERT_TRUE(textLines.size() >= 2 && toolkit::characterCount(textLines[0]) == 2 &&
                            textLines[0].ends_with(small))
                    << text;
                for (auto line = textLines.begin() + 1; line != textLines.end(); ++line)
                    ASSERT_TRUE(isRomaji(*line) && line->back() == "auo"[column - 6]) << text;
            }
        }
    }
    // Blank: the contracted sounds of the K, Y, W and G rows, two vowels of Y, three of W, four of ん.
    ASSERT_EQ(filled, 16 * 8 - 4 * 3 - 2 - 3 - 4);
    ASSERT_EQ(cell(3, 6), std::string("ちゃ/tya/cha"));
    ASSERT_EQ(cell(0, 8), std::string("きょ/kyo"));  // the か row's contracted sounds stand one row higher
    ASSERT_EQ(cell(10, 7), std::string("ぎゅ/gyu")); // and the が row's beside ん
    // The last row: each vowel with the caret over it, then the small っ and two doubled consonants.
    for (int column = 1; column <= 5; ++column) {
        ASSERT_TRUE(isLongVowel(cell(16, column)));
        ASSERT_EQ(longVowelLetter(cell(16, column)), std::string(1, vowels[column - 1]));
    }
    ASSERT_EQ(bandLines(17, 6), std::vector<std::string>({"っ"}));
    ASSERT_EQ(bandLines(17, 7), std::vector<std::string>({"っぷ", "ppu"}));
    ASSERT_EQ(bandLines(17, 8), std::vector<std::string>({"っこ", "kko"}));
}

using namespace toolkit;
// Every letter 5 pixels wide, every line 10 high: enough to lay the chart out without a screen.
struct EvenMetrics : TextMetrics {
    int lineHeight(const Font&) const override { return 10; }
    int advance(const Font&, const std::string& line) const override { return 5 * int(characterCount(line)); }
    Ink inkOf(const std::vector<std::string>&, const Font&, PixelRect) const override { return {}; }
};

// In both Hepburn spellings the Hepburn form comes first, ぢ is ji, and the long vowels have a macron or are
// doubled, never the caret; the chart window follows the spelling the player picks.
TEST(Chart, hepburnSpellings) {
    using romaji::Spelling;
    for (const Spelling spelling : {Spelling::hepburnMacron, Spelling::hepburnDoubled}) {
        ASSERT_EQ(bandLines(3, 6, spelling), std::vector<std::string>({"しゃ", "sha", "sya"}));
        ASSERT_EQ(bandLines(14, 2, spelling), std::vector<std::string>({"ji", "di"}));
    }
    ASSERT_EQ(bandLines(17, 1, Spelling::hepburnMacron), std::vector<std::string>({"ā"}));
    ASSERT_EQ(bandLines(17, 5, Spelling::hepburnDoubled), std::vector<std::string>({"oo", "ou"}));
    GameFixture game;
    game.start();
    game.program->mainScreen().onSpellingMenu(Spelling::hepburnMacron);
    ASSERT_EQ(game.program->chartWindow().chartLayout(400, 600, EvenMetrics()).spelling,
              Spelling::hepburnMacron);
}
