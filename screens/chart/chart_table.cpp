// SPDX-License-Identifier: MIT
#include "screens/chart/chart_table.h"
#include "toolkit/runtimeerror.h"
#include "toolkit/text.h"

namespace chart {

namespace {

const char* const heads[columnCount] = {"", "Aあ", "Ｉい", "Uう", "Ｅえ", "Ｏお", "ゃ", "ゅ", "ょ"};

// The contracted sounds of the か and が rows stand one row higher, beside the vowels and beside ん.
const char* const rows[rowCount][columnCount] = {
    {"", "a", "i", "u", "e", "o", "きゃ/kya", "きゅ/kyu", "きょ/kyo"},
    {"Ｋか", "ka", "ki", "ku", "ke", "ko", "", "", ""},
    {"Ｓさ", "sa", "si/shi", "su", "se", "so", "しゃ/sya", "しゅ/syu", "しょ/syo"},
    {"Ｔた", "ta", "ti/chi", "tu/tsu", "te", "to", "ちゃ/tya/cha", "ちゅ/tyu/chu", "ちょ/tyo/cho"},
    {"Ｎな", "na", "ni", "nu", "ne", "no", "にゃ/nya", "にゅ/nyu", "にょ/nyo"},
    {"Ｈは", "ha", "hi", "hu/fu", "he", "ho", "ひゃ/hya", "ひゅ/hyu", "ひょ/hyo"},
    {"Ｍま", "ma", "mi", "mu", "me", "mo", "みゃ/mya", "みゅ/myu", "みょ/myo"},
    {"Ｙや", "ya", "", "yu", "", "yo", "", "", ""},
    {"Ｒら", "ra", "ri", "ru", "re", "ro", "りゃ/rya", "りゅ/ryu", "りょ/ryo"},
    {"Ｗわ", "wa", "", "", "", "o/wo", "", "", ""},
    {"ん", "n", "", "", "", "", "ぎゃ/gya", "ぎゅ/gyu", "ぎょ/gyo"},
    {"Ｇが", "ga", "gi", "gu", "ge", "go", "", "", ""},
    {"Ｚざ", "za", "zi/ji", "zu", "ze", "zo", "じゃ/zya/ja", "じゅ/zyu/ju", "じょ/zyo/jo"},
    {"Ｄだ", "da", "di", "du", "de", "do", "ぢゃ/zya/ja", "ぢゅ/zyu/ju", "ぢょ/zyo/jo"},
    {"Ｂば", "ba", "bi", "bu", "be", "bo", "びゃ/bya", "びゅ/byu", "びょ/byo"},
    {"Ｐぱ", "pa", "pi", "pu", "pe", "po", "ぴゃ/pya", "ぴゅ/pyu", "ぴょ/pyo"},
    // The two marks of the game: a caret after a vowel makes it long, a small っ doubles the consonant.
    {"あー", "^a", "^i", "^u", "^e", "^o", "っ", "っぷ/ppu", "っこ/kko"},
};

// The cells Hepburn spells its own way, the Hepburn form first and the Kunrei one below it: row, column,
// text. ぢ and づ sound as じ and ず, and Hepburn writes them so.
struct HepburnCell {
    int row, column;
    const char* text;
};
constexpr HepburnCell hepburnCells[] = {
    {2, 2, "shi/si"},       {2, 6, "しゃ/sha/sya"}, {2, 7, "しゅ/shu/syu"}, {2, 8, "しょ/sho/syo"},
    {3, 2, "chi/ti"},       {3, 3, "tsu/tu"},       {3, 6, "ちゃ/cha/tya"}, {3, 7, "ちゅ/chu/tyu"},
    {3, 8, "ちょ/cho/tyo"}, {5, 3, "fu/hu"},        {12, 2, "ji/zi"},       {12, 6, "じゃ/ja/zya"},
    {12, 7, "じゅ/ju/zyu"}, {12, 8, "じょ/jo/zyo"}, {13, 2, "ji/di"},       {13, 3, "zu/du"},
    {13, 6, "ぢゃ/ja/zya"}, {13, 7, "ぢゅ/ju/zyu"}, {13, 8, "ぢょ/jo/zyo"},
};

// The long vowels of the last row: a macron over the vowel, or the vowel written twice as the kana have it
// (おう ou); えい is ei in both.
constexpr int longVowelRow = rowCount - 1;
const char* const macronVowels[] = {"ā", "ī", "ū", "ē/ei", "ō"};
const char* const doubledVowels[] = {"aa", "ii", "uu", "ee/ei", "oo/ou"};

std::string hepburnCell(int row, int column, romaji::Spelling spelling) {
    if (row == longVowelRow && column >= 1 && column <= 5)
        return (spelling == romaji::Spelling::hepburnMacron ? macronVowels : doubledVowels)[column - 1];
    for (const HepburnCell& c : hepburnCells)
        if (c.row == row && c.column == column) return c.text;
    return rows[row][column];
}

void checkColumn(int column) {
    if (column < 0 || column >= columnCount) throw toolkit::subscriptOutOfRange("chart column", column);
}

} // namespace

std::string head(int column) {
    checkColumn(column);
    return heads[column];
}

std::string cell(int row, int column, romaji::Spelling spelling) {
    checkColumn(column);
    if (row < 0 || row >= rowCount) throw toolkit::subscriptOutOfRange("chart row", row);
    return spelling == romaji::Spelling::kunrei ? rows[row][column] : hepburnCell(row, column, spelling);
}

std::vector<std::string> lines(const std::string& cell) {
    if (cell.empty()) return {};
    if (isLongVowel(cell)) return {"＾", longVowelLetter(cell)};
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t slash = cell.find('/'); slash != std::string::npos; slash = cell.find('/', start)) {
        result.push_back(cell.substr(start, slash - start));
        start = slash + 1;
    }
    result.push_back(cell.substr(start));
    return result;
}

bool isLongVowel(const std::string& cell) {
    return toolkit::characterCount(cell) == 2 && cell.front() == '^';
}

std::string longVowelLetter(const std::string& cell) {
    return isLongVowel(cell) ? cell.substr(1) : std::string();
}

} // namespace chart
