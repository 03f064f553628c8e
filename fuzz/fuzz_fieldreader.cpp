// Fuzzes the data-file reader with any bytes. The file is read twice: once as a sequence of text and number
// fields chosen by the first input byte, where the reader must reach the end or throw a DataFileError that
// names the file and a line; once as text fields only, which written back as quoted fields must read back
// the same, line for line.
#include "fuzz/datafile.h"
#include "services/data/fieldreader.h"
#include <QStringList>

namespace {

const QString fileName = QStringLiteral("fields.txt");

void checkFault(const DataFileError& e) {
    if (e.file() != fileName) broken("a fault names the file", e.file());
    if (e.line() < 0) broken("a fault names a line", e.detail());
    if (!e.detail().startsWith(fileName)) broken("the detail begins with the file name", e.detail());
    if (!e.playerText().contains(fileName)) broken("the player's message names the file", e.playerText());
}

// Reads to the end, choosing text or number fields by the bits of pattern. Every field consumes at least
// one character or one comma, so a reader that does not stop within the input's size is stuck.
void readMixed(FieldReader& reader, std::uint8_t pattern, std::size_t inputSize) {
    int lastLine = 0;
    for (std::size_t fields = 1; !reader.atEnd(); ++fields) {
        if (fields > inputSize + 1) broken("the reader reaches the end of the file");
        if ((pattern >> (fields % 8)) & 1)
            reader.readInteger();
        else
            reader.readText();
        if (reader.line() < 1 || reader.line() < lastLine) broken("field lines start at 1 and never go back");
        lastLine = reader.line();
    }
}

QStringList readTexts(FieldReader& reader) {
    QStringList fields;
    while (!reader.atEnd())
        fields << reader.readText();
    return fields;
}

// Writes the fields quoted (a value cannot hold the double quote itself), records of varying length.
QString quoted(const QStringList& fields, std::uint8_t pattern) {
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QString value = fields[i];
        value.remove(u'"');
        text += u'"' + value + u'"';
        const bool lineEnd = i + 1 == fields.size() || ((pattern >> (i % 8)) & 1);
        text += lineEnd ? QStringLiteral("\r\n") : QStringLiteral(",");
    }
    return text;
}

void roundTrip(const QStringList& fields, std::uint8_t pattern) {
    FieldReader again(fileName, quoted(fields, pattern));
    QStringList back;
    try {
        back = readTexts(again);
    } catch (const DataFileError& e) {
        broken("well-formed quoted fields read back", e.detail());
    }
    if (back.size() != fields.size()) broken("as many fields read back as were written");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QString value = fields[i];
        value.remove(u'"');
        if (back[i] != value) broken("each quoted field reads back unchanged", value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t pattern = data[0];
    const QString path = writeDataFile(fileName, data + 1, size - 1);
    try {
        FieldReader mixed = FieldReader::open(path);
        readMixed(mixed, pattern, size);
    } catch (const DataFileError& e) {
        checkFault(e);
    }
    try {
        FieldReader texts = FieldReader::open(path);
        roundTrip(readTexts(texts), pattern);
    } catch (const DataFileError& e) {
        checkFault(e);
    }
    return 0;
}
