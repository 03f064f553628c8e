// SPDX-License-Identifier: MIT
#pragma once
// The rules of the practice screen as plain functions of plain values: which record is the next target,
// whether a click answers it, the cue a right answer earns, when the visit is finished, how fast each level's
// run clock ticks and which verdict a run earns. The screen's handlers call them and show the results.
#include "services/data/practicedata.h"
#include "services/sound/sound.h"
#include <bitset>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

class Random;

namespace practice {

// The chart holds this many kana labels, numbered 0..103.
inline constexpr int chartSize = PracticeTable::labelCount;
// Which chart labels the player has answered in this visit, by label number.
using AnsweredKana = std::bitset<chartSize>;

// A timed run lasts this many ticks of the run clock; the time display counts down from it.
inline constexpr std::int16_t runTicks = 205;
// The visit is finished at this many right answers: one chart label is still unanswered then.
inline constexpr std::int16_t finishCount = 103;
// Every tenth right answer earns the bigger cheer.
inline constexpr std::int16_t bigCheerEvery = 10;
// The target timer shows the prompt again once a second; the run clock ticks once a second until a level
// is chosen.
inline constexpr int targetTimerMs = 1000;
inline constexpr int runClockMs = 1000;

enum class Level { Beginner, Intermediate, Advanced };

// What choosing a level sets: the run clock's interval, the confirmation in the time display and the
// level's name (UTF-8). Every level allows the same number of ticks; a higher level gives less time for them.
struct LevelSettings {
    int clockMs;
    std::string confirmation;
    std::string name;
};
LevelSettings settingsFor(Level level);

// The verdict for a number of right answers at the end of a timed run.
std::string verdictFor(std::int16_t correct);

// A click answers the target when the clicked label's caption is the target's kana, character for character.
// An answered label shows its prompt instead of its kana, so clicking it again never counts.
bool answersTarget(const std::string& clickedCaption, const std::string& targetAnswer);

// The cue for the n-th right answer of a visit.
Cue cueForAnswer(std::int16_t correct);

// Whether this many right answers finish the visit.
bool finishesVisit(std::int16_t correct);

// Whether chart label `label` is answered; a number that names no chart label is a run-time error.
bool isAnswered(const AnsweredKana& answered, int label);

// Picking a kana by typing its romaji. The letters gather (upper case read as lower); as soon as they are
// one record's prompt and no other prompt begins with them, that record is picked and the letters start
// afresh. A letter no prompt can go on with starts the letters over from itself (or from nothing, when no
// prompt begins with it either).
struct Typing {
    std::string letters;                // typed so far, after the key
    std::optional<std::int16_t> picked; // the record picked by the key
};
Typing typeLetter(const PracticeTable& table, const std::string& letters, char letter);
// Enter picks the first record whose prompt the letters are, even though longer prompts begin with them
// ("n" before "na"); letters that are no prompt stay as they are.
Typing typeEnter(const PracticeTable& table, const std::string& letters);

// A whole number from 0 to n - 1 (0 when n is 0), drawn at random.
using Draw = std::function<int(int n)>;

// The record that is the target after `current`: the current one as long as its kana is unanswered (so a
// visit starts on the record the previous one ended on), otherwise one drawn at random among the records
// whose kana is unanswered. When no such record is left the current one stays: the choice always returns.
std::int16_t nextTarget(const PracticeTable& table, const AnsweredKana& answered, std::int16_t current,
                        const Draw& draw);
std::int16_t nextTarget(const PracticeTable& table, const AnsweredKana& answered, std::int16_t current,
                        Random& random);
// にがてを れんしゅう: the same, but a record whose kana sits in a review box (kana → box, as the record's
// review gives them) is drawn the more often the higher its box; r is a draw from 0 up to 1.
std::int16_t nextWeakTarget(const PracticeTable& table, const AnsweredKana& answered, std::int16_t current,
                            const std::map<std::string, int>& kanaBoxes, double r);

} // namespace practice
