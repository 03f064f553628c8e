// SPDX-License-Identifier: MIT
#include "screens/main/rules.h"
#include "screens/main/colours.h"
#include "toolkit/text.h"
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

std::string resultForScore(int score) {
    if (score > 600) return "さすがじゃ！";
    if (score > 450) return "そこそこだなぁ！";
    if (score >= 200) return "まだまだ！";
    return "特訓がいるぞ！";
}

std::string pressedLetter(const std::string& caption) {
    const std::size_t start = caption.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : caption.substr(start);
}

bool isLongVowelMark(const std::string& letter) {
    return letter == "^";
}

std::string markedPiece(const std::string& letter, MarkLook look) {
    if (!isLongVowelMark(letter)) return letter;
    return look == MarkLook::macron ? "￣" : "＾";
}

std::string tileCaption(const std::string& letter, MarkLook look) {
    return look == MarkLook::macron && isLongVowelMark(letter) ? "¯" : letter;
}

std::string plainPiece(const std::string& letter) {
    return isLongVowelMark(letter) ? std::string() : letter;
}

toolkit::Colour letterColour(const std::string& letter) {
    // A dealt letter is one letter of the answer; blanks around it are ASCII ones.
    constexpr const char* blanks = " \t\n\v\f\r";
    const std::size_t first = letter.find_first_not_of(blanks);
    const std::string t = first == std::string::npos
                              ? std::string()
                              : letter.substr(first, letter.find_last_not_of(blanks) - first + 1);
    const bool vowel = t == "a" || t == "i" || t == "u" || t == "e" || t == "o";
    return vowel ? vowelBlue : letterBlack;
}

} // namespace mainscreen

namespace mainscreen {

Deal dealLetters(const std::string& answer, const std::function<int(int)>& pick) {
    std::vector<std::string> pool = toolkit::characters(answer);
    if (pool.size() > std::size_t{tileCount}) pool.resize(tileCount);
    Deal deal;
    deal.count = static_cast<std::int16_t>(pool.size());
    for (std::int16_t k = 0; k < deal.count; ++k) {
        const int left = static_cast<int>(pool.size());
        const int at = std::clamp(pick(left), 1, left) - 1;
        deal.letters[static_cast<std::size_t>(k)] = std::move(pool[static_cast<std::size_t>(at)]);
        pool.erase(pool.begin() + at);
    }
    return deal;
}

} // namespace mainscreen
