// SPDX-License-Identifier: MIT
#include "services/data/practicedata.h"

PracticeTable readPracticeRecords(FieldReader& reader) {
    PracticeTable table;
    // The end of the file is looked for before each record, never inside one.
    while (!reader.atEnd()) {
        if (table.recordCount >= PracticeTable::capacity) {
            reader.readText(); // only to learn the line of the record that does not fit
            throw DataFileError(reader.fileName(), reader.line(),
                                "more than " + std::to_string(PracticeTable::capacity) +
                                    " records (the practice table holds " +
                                    std::to_string(PracticeTable::capacity) + " at most)",
                                reader.path());
        }
        const auto i = static_cast<std::size_t>(table.recordCount);
        table.promptList[i] = reader.readText();
        table.answerList[i] = reader.readText();
        const std::int16_t label = reader.readInteger();
        // A record whose label is not on the chart could never be answered; say so now, not mid-run.
        if (label < 0 || label >= PracticeTable::labelCount)
            throw DataFileError(reader.fileName(), reader.line(),
                                "the label number " + std::to_string(label) +
                                    " is outside the chart's labels 0 to " +
                                    std::to_string(PracticeTable::labelCount - 1),
                                reader.path());
        table.labelList[i] = label;
        ++table.recordCount;
    }
    return table;
}

PracticeTable loadPracticeTable(const std::string& path) {
    FieldReader reader = FieldReader::open(path);
    return readPracticeRecords(reader);
}
