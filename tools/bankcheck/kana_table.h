// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QStringView>

namespace bankcheck {

// The spellings of the mora at the start of text (hiragana only): a kana with a small ゃ, ゅ, ょ or small
// vowel that joins it (きゃ, ふぁ), else a single kana. The Hepburn spelling comes first, then Kunrei and
// Nihon-shiki where they differ (し: shi, si; ぢゃ: ja, zya, dya). Sets *length to the kana used (1 or 2).
// Returns an empty list, length 0, when text does not start with a kana that can stand there.
QStringList moraSpellings(QStringView text, int* length);

// True for the small kana that only join the kana before them (ぁ ぃ ぅ ぇ ぉ ゃ ゅ ょ ゎ).
bool isJoiningSmallKana(QChar kana);

} // namespace bankcheck
