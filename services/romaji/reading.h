// SPDX-License-Identifier: MIT
#pragma once
// Reading an answer against its word: which letters of the answer spell which syllable of the kana.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace romaji {

// Which system a written syllable belongs to: one of them alone, or either (ka, ^, di, n').
enum class Mark { either, kunrei, hepburn };

// One syllable of the answer: its letters, their Hepburn spelling in lower case ("^" for a long vowel
// written ^) and, for a long vowel, the vowel its kana doubles it with.
struct WrittenSyllable {
    std::size_t begin = 0;
    std::size_t length = 0;
    std::string hepburn;
    char longVowel = 0;
    Mark mark = Mark::either;
};

// The answer's syllables in order, or none when the answer (in either case) is not romaji of the word
// kana: each syllable spelt in one of the ways it may be, every letter and every kana used.
std::optional<std::vector<WrittenSyllable>> readAnswer(std::string_view answer, std::string_view kana);

} // namespace romaji
