// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"
#include "record_reader.h"

namespace bankcheck {

constexpr int kMaxAnswerLetters = 24; // the main screen has 24 letter tiles
constexpr int kMaxWords = 401;        // the game's question tables hold entries 0 to 400

// Checks the records of a question bank (answer, word): no blank field, no answer longer than the tiles,
// every answer a romaji spelling of its word, no word twice, no more words than the game holds.
Findings checkBank(const QList<Record>& records);

} // namespace bankcheck
