// SPDX-License-Identifier: MIT
#pragma once
// Reading an answer against its word: which letters of the answer spell which syllable of the kana.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace romaji {

// Which system a written syllable belongs to: one of them alone, or either (ka, ^, n', nn).
enum class Mark { either, kunrei, hepburn };

// A spelling worth a word to whoever wrote it: tch for っち (older Hepburn; the game writes cch), and ん
// written n before a vowel or y, where it reads as part of the next kana (panya reads ぱにゃ).
enum class Note { none, olderTch, nReadsOn };

// One syllable of the answer: its letters, their Hepburn spelling in lower case ("^" for a long vowel
// written ^ that stays marked) and, for a long vowel, the vowel its kana doubles it with.
struct WrittenSyllable {
    std::size_t begin = 0;
    std::size_t length = 0;
    std::string hepburn;
    char longVowel = 0;
    Mark mark = Mark::either;
    Note note = Note::none;
};

// The answer's syllables in order, or none when the answer (in either case) is not romaji of the word
// kana: each syllable spelt in one of the ways it may be, every letter and every kana used. A kana with
// another reading in brackets (じゃ(ぢゃ), as the practice chart labels it) is read as the first kana, else
// as the one in brackets.
std::optional<std::vector<WrittenSyllable>> readAnswer(std::string_view answer, std::string_view kana);

} // namespace romaji
