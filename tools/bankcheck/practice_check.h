// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"
#include "record_reader.h"

namespace bankcheck {

constexpr int kMaxPracticeRecords = 201; // the practice tables hold entries 0 to 200

// Checks the records of the practice data (prompt, answer, label number): every label number names a
// chart label and the answer is exactly that label's caption; the prompt is a romaji spelling of that kana
// and points at one label only; every one of the 104 labels is named; no more records than the game holds.
Findings checkPractice(const QList<Record>& records);

} // namespace bankcheck
