// SPDX-License-Identifier: MIT
#pragma once
// What the learning record holds, entry by entry: each word played, each practice prompt answered, each
// game, the players, and the daily totals that stand for old answers once they are folded. Times are
// seconds since 1970 (UTC); a day is the player's local calendar day, counted in days since 1970.
#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace record {

using Time = std::int64_t;
using PlayerId = std::int32_t;

// A word answered right in the main game, with how it went on the way.
struct WordPlayed {
    PlayerId player = 0;
    Time time = 0;        // when it was answered right
    Time gameStart = 0;   // the game it belongs to
    std::string word;     // as the word list writes it (kana or kanji)
    std::string answer;   // the romaji as the word list writes it
    std::string spelling; // 書き方 the word was dealt in (kunrei, hepburnMacron, hepburnDoubled)
    bool firstOkRight = false;
    int wrongOks = 0;
    int hints = 0;
    int seconds = 0;                 // from the deal to the right answer
    std::vector<std::string> missed; // the syllables (hiragana) where a wrong answer first went astray
};

// One prompt of the practice screen.
struct PracticeAnswer {
    PlayerId player = 0;
    Time time = 0;
    std::string kana;
    bool right = false;
    int seconds = 0;
};

// A game: written as it begins and again after each word, so a game cut short keeps what it had.
struct GamePlayed {
    PlayerId player = 0;
    Time start = 0;
    Time end = 0;
    int score = 0;
    int saved = 0; // creatures brought back to their places
    int lost = 0;  // creatures that fell off the cliff
};

struct PlayerAdded {
    PlayerId id = 0;
    std::string name;
};
struct PlayerRenamed {
    PlayerId id = 0;
    std::string name;
};
struct PlayerRemoved {
    PlayerId id = 0;
};

// A day of folded answers: what the summary still needs of them.
struct DayTotals {
    PlayerId player = 0;
    std::int64_t day = 0;
    int words = 0;
    int firstOkRight = 0;
    int seconds = 0;
    int practiceAnswers = 0;
    int practiceRight = 0;
    std::map<std::string, int> missedKana;  // syllable → times missed
    std::map<std::string, int> missedWords; // word + '\t' + answer → times not right at the first Ｏ．Ｋ
};

using Entry = std::variant<WordPlayed, PracticeAnswer, GamePlayed, PlayerAdded, PlayerRenamed, PlayerRemoved,
                           DayTotals>;

// The local calendar day a time falls on.
std::int64_t dayOf(Time time);

} // namespace record
