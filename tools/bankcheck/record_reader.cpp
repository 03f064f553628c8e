// SPDX-License-Identifier: MIT
#include "record_reader.h"

#include "services/data/fieldreader.h"

namespace bankcheck {

RecordList readRecords(FieldReader& reader, int width) {
    RecordList list;
    try {
        while (!reader.atEnd()) {
            Record record;
            for (int i = 0; i < width; ++i) {
                record.fields << QString::fromStdString(reader.readText());
                if (i == 0) record.firstLine = reader.line();
            }
            record.lastLine = reader.line();
            list.records << record;
        }
    } catch (const DataFileError& e) {
        list.faults << Finding{e.line(), QString::fromStdString(e.reason())};
    }
    return list;
}

} // namespace bankcheck
