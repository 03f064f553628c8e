// SPDX-License-Identifier: MIT
#pragma once
// What the main screen decides, as plain functions of plain values: the score and its bounds, the fanfare,
// when a creature comes out or goes back, the hints and their costs, the result of a game, and how a pressed
// letter reaches the answer lines. The handlers call these and show what they return.
#include "toolkit/colour.h"
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace mainscreen {

inline constexpr int tileCount = 24;

// The score is a 16-bit number: a sum beyond its range stops at the nearest bound, so no sum can crash the
// game.
std::int16_t boundedScore(int value);

// A right answer earns a point a letter, twice that when no hint was taken on the word; the long-vowel mark
// counts as a letter.
int pointsForRightAnswer(int answerLength, bool hintTaken);

// What a wrong answer and the two hints charge. A charge never leaves the score below zero, and a score the
// cliff has made negative is raised to zero by it.
inline constexpr int wrongAnswerCharge = 5;
inline constexpr int firstHintCharge = 2;
inline constexpr int lastHintCharge = 10;
int scoreAfterCharge(int score, int charge);

// The letters of an answer as the tiles take them: each tile in turn takes one of the letters not yet dealt,
// the pick(n)th of the n left (1 to n). Never more letters than tiles: the word list refuses an answer
// longer than the tiles in any spelling, and one that got past it would lose its last letters, not write
// beyond the board.
struct Deal {
    std::array<std::string, tileCount> letters;
    std::int16_t count = 0;
};
Deal dealLetters(const std::string& answer, const std::function<int(int)>& pick);

// Every third score, zero and below included, earns the bigger fanfare for a right answer.
bool earnsBigFanfare(int scoreBefore);

// After a right answer a creature comes out above its threshold and goes back below it; at the threshold it
// stays as it is.
bool creatureComesOut(int score, int threshold);
bool creatureGoesBack(int score, int threshold);

// How many leading letters the first hint shows, from a draw r in [0, 1): 1 to n - 1 for a word of n >= 2
// letters (1 twice as likely as the others), so it never gives the word away; the whole word when n is 1.
std::int16_t firstHintLength(double r, int answerLength);

// The message at the end of a game, graded by the score.
std::string resultForScore(int score);

// Texts are UTF-8. The letter a pressed tile adds: its caption without the blanks in front.
std::string pressedLetter(const std::string& caption);
// The long-vowel mark: on the marked line it replaces the vowel before it with a full-width caret (a
// full-width macron in the Hepburn spelling that marks long vowels), and the plain line leaves it out. On
// its tile it shows as ^, or as a macron (¯) in that spelling.
enum class MarkLook { caret, macron };
bool isLongVowelMark(const std::string& letter);
std::string markedPiece(const std::string& letter, MarkLook look = MarkLook::caret);
// The marks the marked line shows, in either look.
inline constexpr const char* markedLineMarks = "＾￣";
std::string tileCaption(const std::string& letter, MarkLook look);
std::string plainPiece(const std::string& letter);
// A dealt letter is blue when it is one of the five lower-case vowels (blanks around it aside), else black.
toolkit::Colour letterColour(const std::string& letter);

// The syllable of the word (in hiragana; ん, ー for a long-vowel mark) in which a wrong answer first leaves
// the right one, read against the word's kana; empty when the answer does not read as romaji of the word.
std::string missedSyllable(const std::string& answer, const std::string& typed, const std::string& kana);

} // namespace mainscreen
