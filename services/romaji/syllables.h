// SPDX-License-Identifier: MIT
#pragma once
// A word's kana cut into the syllables a child spells: a kana with the small kana that joins it (きゃ, ティ)
// is one syllable; a small っ, the long-vowel mark ー and ん are pieces of their own.
#include <optional>
#include <string_view>
#include <vector>

namespace romaji {

// How a syllable is written in Hepburn and in Kunrei (the same letters where the systems agree), the older
// Kunrei spelling that follows the kana's row (ぢ di, づ du, ぢゃ dya), which Hepburn writes its own way, and
// one more spelling kept as written (を wo), each empty when there is none. Letters are lower case.
struct Syllable {
    std::string_view kana; // hiragana, UTF-8
    std::string_view hepburn;
    std::string_view kunrei;
    std::string_view olderKunrei;
    std::string_view other;
};

struct KanaPiece {
    enum class Kind { syllable, smallTsu, longMark, n };
    Kind kind = Kind::syllable;
    const Syllable* syllable = nullptr; // for a syllable only
};

// The pieces of a word written in hiragana and/or full-width katakana; none when it holds any other
// character (kanji, blanks, half-width katakana) or a small kana that joins no kana before it.
std::optional<std::vector<KanaPiece>> kanaPieces(std::string_view kana);

} // namespace romaji
