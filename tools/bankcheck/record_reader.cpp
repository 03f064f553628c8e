// SPDX-License-Identifier: MIT
#include "record_reader.h"

#include "line_layout.h"

#include "services/data/fieldreader.h"

namespace bankcheck {

RecordList readRecords(const std::string& text, int width) {
    RecordList list;
    for (const TextLine& line : splitTextLines(text)) {
        FieldReader reader({}, text.substr(line.start, line.size));
        QStringList fields;
        try {
            while (!reader.atEnd())
                fields << QString::fromStdString(reader.readText());
        } catch (const DataFileError& e) {
            list.faults << findingOf(e, line.line);
            continue;
        }
        if (fields.size() == width) list.records << Record{fields, line.line};
    }
    return list;
}

} // namespace bankcheck
