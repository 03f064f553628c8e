// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"

#include "services/data/datatext.h"

#include <optional>

namespace bankcheck {

enum class DataKind { Bank, Practice };

struct FileReport {
    std::optional<Finding> readError; // set when the file could not be read at all; nothing was checked then
    int records = 0;
    DataEncoding encoding = DataEncoding::Cp932; // how the file was read
    Findings findings;                           // in line order, faults of the whole file first
    // For a question bank: the romaji system its answers are written in, answer by answer (an answer that
    // is romaji of neither is among the findings).
    int kunreiAnswers = 0;  // Kunrei alone (si, tu, zya)
    int hepburnAnswers = 0; // Hepburn alone (shi, tsu, ja)
    int mixedAnswers = 0;   // syllables of each
};

// Reads one data file as the game does and runs every check on it: line layout, syntax, then the
// checks of its kind (question bank or practice data).
FileReport checkFile(const QString& path, DataKind kind);

} // namespace bankcheck
