#pragma once
// The romaji chart as data: a row of column heads, then seventeen rows of a row head and eight cells.
// A cell holds its lines separated by '/', is empty when the chart leaves it blank, and starts with '^'
// when it shows a vowel with the long-vowel caret drawn over it.
#include <QString>
#include <QStringList>

namespace chart {

inline constexpr int columnCount = 9; // the row heads, five vowels, three contracted sounds
inline constexpr int rowCount = 17;   // below the row of column heads

QString head(int column);
// Column 0 is the row head.
QString cell(int row, int column);

QStringList lines(const QString& cell);
bool isLongVowel(const QString& cell);
// The letter the caret stands over.
QString longVowelLetter(const QString& cell);

} // namespace chart
