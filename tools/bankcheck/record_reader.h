// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"

#include <QStringList>
#include <string>

namespace bankcheck {

// One record of a data file: its fields and the line it begins on.
struct Record {
    QStringList fields;
    int line = 0;
};

struct RecordList {
    QList<Record> records;
    Findings faults; // what the game's reader refused (a double quote never closed), line by line
};

// Reads the records of a data file's text (UTF-8, as decodeDataFile gives it) with the game's own field
// reader, one line at a time (splitTextLines). A line that does not hold `width` fields is passed over;
// checkLineLayout names it. So a missing comma costs its own line only: the game would read every record
// after it out of step, but the teacher learns about the faults of those records as they were written.
RecordList readRecords(const std::string& text, int width);

} // namespace bankcheck
