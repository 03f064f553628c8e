// SPDX-License-Identifier: MIT
#pragma once
// What きろく shows of one player: each game's score and each day's share of words right at the first
// Ｏ．Ｋ for the plot, how often each syllable was missed, the words missed most, and the totals.
#include "services/record/entries.h"
#include <map>
#include <string>
#include <vector>

namespace record {

struct GamePoint {
    Time start = 0;
    std::int64_t day = 0;
    int score = 0;
};

struct DayPoint {
    std::int64_t day = 0;
    int words = 0;
    int firstOkRight = 0;
    double firstOkShare() const { return words ? double(firstOkRight) / words : 0.0; }
};

struct MissedWord {
    std::string word;
    std::string answer; // as the word list writes it; the screen spells it in the chosen 書き方
    int misses = 0;     // times it was not right at the first Ｏ．Ｋ
};

struct Summary {
    std::vector<GamePoint> games;          // oldest first
    std::vector<DayPoint> days;            // oldest first
    std::map<std::string, int> missedKana; // syllable (hiragana) → times missed, in words and practice
    std::vector<MissedWord> mostMissed;    // at most ten, most missed first
    int words = 0;
    int gameCount = 0;
    int minutes = 0; // time spent on the words and prompts answered, rounded down
    int bestScore = 0;
};

inline constexpr std::size_t mostMissedShown = 10;

Summary summarise(const std::vector<Entry>& entries, PlayerId player);

} // namespace record
