#include "screens/chart/chart_table.h"
#include "toolkit/runtimeerror.h"

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

void checkColumn(int column) {
    if (column < 0 || column >= columnCount) throw toolkit::subscriptOutOfRange("chart column", column);
}

} // namespace

QString head(int column) {
    checkColumn(column);
    return QString::fromUtf8(heads[column]);
}

QString cell(int row, int column) {
    checkColumn(column);
    if (row < 0 || row >= rowCount) throw toolkit::subscriptOutOfRange("chart row", row);
    return QString::fromUtf8(rows[row][column]);
}

QStringList lines(const QString& cell) {
    if (cell.isEmpty()) return {};
    if (isLongVowel(cell)) return {QStringLiteral("＾"), longVowelLetter(cell)};
    return cell.split(QLatin1Char('/'));
}

bool isLongVowel(const QString& cell) {
    return cell.size() == 2 && cell.front() == u'^';
}

QString longVowelLetter(const QString& cell) {
    return isLongVowel(cell) ? cell.mid(1) : QString();
}

} // namespace chart
