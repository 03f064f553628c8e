// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace bankcheck {

// How a kana word may be written in romaji, kept piece by piece: one piece per mora (a small っ joins the
// mora it doubles, a long-vowel mark ー is a piece of its own). Each piece lists the letters it may be
// written with, the preferred one (Hepburn, long vowels with ^) first. Keeping the pieces apart lets a
// word with many choices be checked without listing every combination.
struct Romanisation {
    QList<QStringList> pieces;
    // The kana of each piece, in hiragana: "こ", "きゃ", "っこ", "ー".
    QStringList kana;
    // Empty when the whole word could be read; otherwise what stopped the reading, for the teacher (in
    // English and in Japanese).
    QString error;
    QString errorJapanese;

    bool ok() const { return error.isEmpty(); }
};

// Reads a word written in hiragana and/or katakana (full- or half-width). Each mora may be written in
// Hepburn, Kunrei or Nihon-shiki romaji; っ doubles the next consonant (cch, or the older tch); ん is n, or
// n' / nn before a vowel or y; ー after a vowel is ^; the second vowel of おう, おお, うう, えい, ええ, いい
// and ああ may be written as ^ or spelled out.
Romanisation romanise(const QString& word);

// True when answer is one of the spellings of a word that could be read.
bool isSpelling(const Romanisation& romanisation, const QString& answer);

// The preferred spelling: the first choice of every piece.
QString preferredSpelling(const Romanisation& romanisation);

// Every spelling, sorted. The count is the product of the pieces' choices, so keep to everyday words.
QStringList allSpellings(const Romanisation& romanisation);

} // namespace bankcheck
