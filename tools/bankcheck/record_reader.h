// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"

#include <QStringList>

class FieldReader;

namespace bankcheck {

// One record of a data file: its fields and the lines its first and last fields began on (the same line
// when the record is written on one line, as it should be).
struct Record {
    QStringList fields;
    int firstLine = 0;
    int lastLine = 0;
};

struct RecordList {
    QList<Record> records;
    Findings faults; // a fault of the file's syntax ends the reading; it is kept here
};

// Reads records of `width` fields each until the end of the file, the way the game reads them: the end
// test is made before each record, and a line end separates fields just as a comma does.
RecordList readRecords(FieldReader& reader, int width);

} // namespace bankcheck
