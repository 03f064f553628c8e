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
};

// Reads one data file as the game does and runs every check on it: line layout, syntax, then the
// checks of its kind (question bank or practice data).
FileReport checkFile(const QString& path, DataKind kind);

} // namespace bankcheck
