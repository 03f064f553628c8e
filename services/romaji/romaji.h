// SPDX-License-Identifier: MIT
#pragma once
// The spellings the game deals an answer in. The word list writes each answer as its author chose, Kunrei
// (si, tu, hu, zya), Hepburn (shi, tsu, fu, ja) or a mix of the two, with ^ right after a long vowel. The
// player picks one of three spellings: the answer as written (the Kunrei that schools taught), or Hepburn,
// the standard since the Cabinet notice of 2025, with long vowels marked or with their vowels doubled.
//
// How an answer becomes Hepburn:
// - It is read syllable by syllable against the word's kana (hiragana and/or full-width katakana), never
//   letter by letter: the "ti" of ティッシュ stays ti, the "ti" of ち becomes chi.
// - Each Kunrei syllable becomes its Hepburn syllable (si shi, ti chi, tu tsu, hu fu, zi ji, di ji, du zu,
//   sya sha, tya cha, zya ja, dya ja, …); small っ doubles the next consonant, c before ch (nittyoku →
//   nicchoku, and the older tch too: matcha → maccha).
// - ん before a vowel or y written nn or n' becomes n' (honnya → hon'ya); written n it is kept.
// - Everything else is kept as written: Hepburn syllables, the spellings both systems share, を as wo,
//   ん as m before b, m or p, and vowels written out twice (ookami, sensei) in either Hepburn spelling.
// - A long vowel written ^ stays ^ in the marked spelling (the screen draws it as a macron), but えい is ei
//   (e^ga → eiga); in the doubled spelling ^ becomes the vowel of the word's kana: おう ou, おお oo, えい
//   ei, うう uu, ー the vowel again.
// - Letters keep their case where a syllable is kept; a changed syllable takes the case of its first written
//   letter for its first letter and that of its last written letter for the rest (Si Shi, SI SHI, Tyo Cho),
//   and a vowel that replaces ^ takes the case of the vowel before it (TO^ TOU).
// - An answer that cannot be read as romaji of its word (a word in kanji or half-width katakana, a misspelt
//   answer, a character other than letters, ^ and the ' of n') has no Hepburn spelling: it is dealt as
//   written.
#include <optional>
#include <string>
#include <string_view>

namespace romaji {

enum class Spelling { kunrei, hepburnMacron, hepburnDoubled };

// The names a spelling is remembered by ("kunrei", "hepburn-macron", "hepburn-doubled"); an unknown name
// reads as kunrei, the spelling of the shipped word list.
const char* nameOf(Spelling spelling);
Spelling spellingNamed(std::string_view name);

// True for the spelling that draws a long vowel with a macron (on its tile, in the answer line and hints).
constexpr bool drawsMacrons(Spelling spelling) {
    return spelling == Spelling::hepburnMacron;
}

// A text as the player reads it in the macron spelling: each vowel followed by ^ becomes the vowel with a
// macron (o^ ō, O^ Ō); other text is kept.
std::string withMacrons(std::string_view text);

// The answer as the game deals and judges it in the chosen spelling: as written for kunrei and for an
// answer with no Hepburn spelling, else its Hepburn spelling.
std::string spell(std::string_view answer, std::string_view kana, Spelling spelling);

// How the Hepburn spelling writes long vowels: with ^ (drawn as a macron) or with the kana's vowels.
enum class LongVowels { marked, doubled };

// The Hepburn spelling of answer (romaji of the word kana, UTF-8); none when the answer does not read as
// romaji of that word.
std::optional<std::string> hepburn(std::string_view answer, std::string_view kana, LongVowels longVowels);

// What the word-list checker tells a teacher about an answer that reads as romaji of its word: tch written
// for っち (older Hepburn, dealt as cch in Hepburn), and ん written n before a vowel or y, which a reader
// takes as part of the next kana (panya reads ぱにゃ; pan'ya is パンや).
struct Remarks {
    bool olderTch = false;
    bool nReadsOn = false;
};
Remarks remarksOn(std::string_view answer, std::string_view kana);

// Which system an answer is written in, for the word-list checker: both when no syllable tells the
// systems apart (kana, gakko^), mixed when it holds syllables of each (sitsu), neither when it does not
// read as romaji of its word.
enum class System { kunrei, hepburn, both, mixed, neither };
System systemOf(std::string_view answer, std::string_view kana);

} // namespace romaji
