// SPDX-License-Identifier: MIT
#pragma once
// The practice data: records of prompt text, answer kana and chart label number, read from
// romajimojiren.txt into a table of 201 entries. The reader stands on its own so it can be driven without a
// screen (and from a fuzz target).
#include "services/data/fieldreader.h"
#include "services/data/kanachart.h"
#include <array>
#include <cstdint>
#include <string>

struct PracticeTable {
    static constexpr int capacity = 201;
    // Chart labels are numbered 0..103.
    static constexpr int labelCount = kanaChartSize;

    std::array<std::string, capacity> promptList;
    std::array<std::string, capacity> answerList;
    std::array<std::int16_t, capacity> labelList{};
    std::int16_t recordCount = 0;
};

inline constexpr char practiceDataFile[] = "romajimojiren.txt";

// Reads records until the end of the file. Throws DataFileError naming the file and the line when a record
// is cut off, a label number is not a whole number from 0 to 103, or a 202nd record follows.
PracticeTable readPracticeRecords(FieldReader& reader);
// Opens the file at path and reads it; a missing or unreadable file is a DataFileError as well.
PracticeTable loadPracticeTable(const std::string& path);
