#include "file_check.h"

#include "bank_check.h"
#include "line_layout.h"
#include "practice_check.h"
#include "record_reader.h"

#include "services/data/boundedread.h"
#include "services/data/datatext.h"
#include "services/data/fieldreader.h"

#include <QFileInfo>
#include <algorithm>

namespace bankcheck {

FileReport checkFile(const QString& path, DataKind kind) {
    FileReport report;
    const bool bank = kind == DataKind::Bank;
    const int width = bank ? 2 : 3;
    const QString shape = bank ? QStringLiteral("answer,word") : QStringLiteral("prompt,answer,label number");

    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        report.readError = QStringLiteral("no such file");
        return report;
    }
    // Read as the game reads it: a regular file only, within the game's size limit.
    QByteArray bytes;
    try {
        bytes = readDataFile(path, FieldReader::maxFileBytes);
    } catch (const DataFileError& e) {
        report.readError = e.reason();
        return report;
    }
    dropEndOfFileMark(bytes);
    report.findings << checkLineLayout(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes, width,
                                       shape);

    try {
        DataText data = decodeDataFile(std::move(bytes), info.fileName(), info.absoluteFilePath());
        report.encoding = data.encoding;
        FieldReader reader(info.fileName(), std::move(data.text), info.absoluteFilePath(), data.encoding);
        const RecordList list = readRecords(reader, width);
        report.records = list.records.size();
        report.findings << list.faults;
        report.findings << (bank ? checkBank(list.records) : checkPractice(list.records));
        if (bank && list.records.isEmpty() && list.faults.isEmpty()) {
            report.findings << Finding{0,
                                       QStringLiteral("the bank holds no words; the game would ask one empty "
                                                      "question that cannot be answered")};
        }
    } catch (const DataFileError& e) {
        report.findings << Finding{e.line(), e.reason()};
    }
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return report;
}

} // namespace bankcheck
