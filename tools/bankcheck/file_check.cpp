// SPDX-License-Identifier: MIT
#include "file_check.h"

#include "bank_check.h"
#include "line_layout.h"
#include "practice_check.h"
#include "record_reader.h"

#include "services/data/boundedread.h"
#include "services/data/datatext.h"
#include "services/data/fieldreader.h"
#include "services/romaji/romaji.h"

#include <QFileInfo>
#include <algorithm>

namespace bankcheck {

namespace {

void countSystems(const QList<Record>& records, FileReport& report) {
    for (const Record& record : records) {
        if (record.fields.size() < 2) continue;
        switch (romaji::systemOf(record.fields[0].toStdString(), record.fields[1].toStdString())) {
        case romaji::System::kunrei:
            ++report.kunreiAnswers;
            break;
        case romaji::System::hepburn:
            ++report.hepburnAnswers;
            break;
        case romaji::System::mixed:
            ++report.mixedAnswers;
            break;
        case romaji::System::both:
        case romaji::System::neither:
            break;
        }
    }
}

} // namespace

FileReport checkFile(const QString& path, DataKind kind) {
    FileReport report;
    const bool bank = kind == DataKind::Bank;
    const RecordShape shape = bank ? bankShape() : practiceShape();

    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        report.readError = Finding{0, QStringLiteral("ファイルがありません"), QStringLiteral("no such file")};
        return report;
    }
    // Read as the game reads it: a regular file only, within the game's size limit.
    std::string bytes;
    try {
        bytes = readDataFile(path.toStdString(), FieldReader::maxFileBytes);
    } catch (const DataFileError& e) {
        report.readError = findingOf(e);
        return report;
    }
    dropEndOfFileMark(bytes);
    const QByteArrayView layout(bytes);
    report.findings << checkLineLayout(layout.startsWith("\xEF\xBB\xBF") ? layout.sliced(3) : layout, shape);

    try {
        const std::string name = info.fileName().toStdString(), full = info.absoluteFilePath().toStdString();
        const DataText data = decodeDataFile(std::move(bytes), name, full);
        report.encoding = data.encoding;
        const RecordList list = readRecords(data.text, shape.width);
        report.records = list.records.size();
        report.findings << list.faults;
        report.findings << (bank ? checkBank(list.records) : checkPractice(list.records));
        if (bank) countSystems(list.records, report);
        if (bank && list.records.isEmpty() && list.faults.isEmpty()) {
            report.findings << Finding{
                0, QStringLiteral("ことばが一つもありません。ゲームはこのファイルを読みません"),
                QStringLiteral("the bank holds no words; the game refuses it")};
        }
    } catch (const DataFileError& e) {
        report.findings << findingOf(e);
    }
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return report;
}

} // namespace bankcheck
