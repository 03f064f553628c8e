#include "record_reader.h"

#include "services/data/fieldreader.h"

namespace bankcheck {

RecordList readRecords(FieldReader& reader, int width) {
    RecordList list;
    try {
        while (!reader.atEnd()) {
            Record record;
            for (int i = 0; i < width; ++i) {
                record.fields << reader.readText();
                if (i == 0) record.firstLine = reader.line();
            }
            record.lastLine = reader.line();
            list.records << record;
        }
    } catch (const DataFileError& e) {
        list.faults << Finding{e.line(), faultText(e.detail(), e.file(), e.line())};
    }
    return list;
}

QString faultText(const QString& detail, const QString& file, int line) {
    const QStringList prefixes{QStringLiteral("%1, line %2: ").arg(file, QString::number(line)),
                               file + QStringLiteral(": ")};
    for (const QString& prefix : prefixes) {
        if (detail.startsWith(prefix)) return detail.sliced(prefix.size());
    }
    return detail;
}

} // namespace bankcheck
