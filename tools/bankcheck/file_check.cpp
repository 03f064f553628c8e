#include "file_check.h"

#include "bank_check.h"
#include "line_layout.h"
#include "practice_check.h"
#include "record_reader.h"

#include "services/data/fieldreader.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace bankcheck {

FileReport checkFile(const QString& path, DataKind kind) {
    FileReport report;
    const bool bank = kind == DataKind::Bank;
    const int width = bank ? 2 : 3;
    const QString shape = bank ? QStringLiteral("answer,word") : QStringLiteral("prompt,answer,label number");

    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        report.readError = QStringLiteral("no such file");
        return report;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report.readError = file.errorString();
        return report;
    }
    report.findings << checkLineLayout(file.readAll(), width, shape);

    try {
        FieldReader reader = FieldReader::open(path);
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
        const QString text = faultText(e.detail(), e.file(), e.line());
        if (e.line() == 0) {
            report.readError = text;
            return report;
        }
        report.findings << Finding{e.line(), text};
    }
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return report;
}

} // namespace bankcheck
