#include "screens/main/rules.h"
#include "screens/main/colours.h"
#include <algorithm>
#include <limits>

namespace mainscreen {

std::int16_t boundedScore(int value) {
    using limits = std::numeric_limits<std::int16_t>;
    return static_cast<std::int16_t>(std::clamp<int>(value, limits::min(), limits::max()));
}

int pointsForRightAnswer(int answerLength, bool hintTaken) {
    return hintTaken ? answerLength : 2 * answerLength;
}

int scoreAfterCharge(int score, int charge) {
    return std::max(score - charge, 0);
}

bool earnsBigFanfare(int scoreBefore) {
    return scoreBefore % 3 == 0;
}

bool creatureComesOut(int score, int threshold) {
    return score > threshold;
}

bool creatureGoesBack(int score, int threshold) {
    return score < threshold;
}

std::int16_t firstHintLength(double r, int answerLength) {
    return static_cast<std::int16_t>(std::max(static_cast<int>(r * answerLength), 1));
}

QString resultForScore(int score) {
    if (score > 600) return QStringLiteral("さすがじゃ！");
    if (score > 450) return QStringLiteral("そこそこだなぁ！");
    if (score >= 200) return QStringLiteral("まだまだ！");
    return QStringLiteral("特訓がいるぞ！");
}

QString pressedLetter(const QString& caption) {
    qsizetype start = 0;
    while (start < caption.size() && caption[start] == u' ')
        ++start;
    return caption.mid(start);
}

bool isLongVowelMark(const QString& letter) {
    return letter == u"^";
}

QString markedPiece(const QString& letter) {
    return isLongVowelMark(letter) ? QStringLiteral("＾") : letter;
}

QString plainPiece(const QString& letter) {
    return isLongVowelMark(letter) ? QString() : letter;
}

QColor letterColour(const QString& letter) {
    const QString t = letter.trimmed();
    const bool vowel = t == u"a" || t == u"i" || t == u"u" || t == u"e" || t == u"o";
    return vowel ? vowelBlue : letterBlack;
}

} // namespace mainscreen
