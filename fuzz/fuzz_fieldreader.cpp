// SPDX-License-Identifier: MIT
// Fuzzes the data-file reader with any bytes. The file is read twice: once as a sequence of text and number
// fields chosen by the first input byte, where the reader must reach the end or throw a DataFileError that
// names the file and a line; once as text fields only, which written back as quoted fields must read back
// the same, line for line.
#include "fuzz/datafile.h"
#include "services/data/fieldreader.h"
#include <string>
#include <vector>

namespace {

const std::string fileName = "fields.txt";

void checkFault(const DataFileError& e) {
    if (e.file() != fileName) broken("a fault names the file", e.file());
    if (e.line() < 0) broken("a fault names a line", e.what());
    if (std::string_view(e.what()).substr(0, fileName.size()) != fileName)
        broken("the detail begins with the file name", e.what());
}

std::string withoutQuotes(std::string value) {
    std::erase(value, '"');
    return value;
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

std::vector<std::string> readTexts(FieldReader& reader) {
    std::vector<std::string> fields;
    while (!reader.atEnd())
        fields.push_back(reader.readText());
    return fields;
}

// Writes the fields quoted (a value cannot hold the double quote itself), records of varying length.
std::string quoted(const std::vector<std::string>& fields, std::uint8_t pattern) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += '"' + withoutQuotes(fields[i]) + '"';
        const bool lineEnd = i + 1 == fields.size() || ((pattern >> (i % 8)) & 1);
        text += lineEnd ? "\r\n" : ",";
    }
    return text;
}

void roundTrip(const std::vector<std::string>& fields, std::uint8_t pattern) {
    FieldReader again(fileName, quoted(fields, pattern));
    std::vector<std::string> back;
    try {
        back = readTexts(again);
    } catch (const DataFileError& e) {
        broken("well-formed quoted fields read back", e.what());
    }
    if (back.size() != fields.size()) broken("as many fields read back as were written");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string value = withoutQuotes(fields[i]);
        if (back[i] != value) broken("each quoted field reads back unchanged", value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t pattern = data[0];
    const std::string path = writeDataFile(fileName, data + 1, size - 1);
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
