// SPDX-License-Identifier: MIT
#pragma once
// にがてを れんしゅう: words and kana the player misses come back more often. Each has a box: a miss puts
// it in the top box, every answer right at the first go moves it one box down, and from the last box it
// goes back to the common pool. The higher its box, the more often it is dealt.
#include "services/record/entries.h"
#include <map>
#include <string>
#include <vector>

namespace record {

// Right answers at the first go that bring a missed word back to the common pool.
inline constexpr int rightsToLeave = 3;

// The box of every word (as the word list writes it) and every syllable (hiragana) the player has missed
// and not yet brought back to the pool: from 1 (one more right answer) to rightsToLeave (just missed).
struct Boxes {
    std::map<std::string, int> words;
    std::map<std::string, int> kana;
};
Boxes reviewBoxes(const std::vector<Entry>& entries, PlayerId player);

// How much more often than a word of the pool a word in the given box is dealt (1 for the pool, box 0).
int dealWeight(int box);
// Which of the weights r (from 0 up to 1) falls on: the share of each is its weight over the sum.
std::size_t weightedChoice(const std::vector<int>& weights, double r);

} // namespace record
