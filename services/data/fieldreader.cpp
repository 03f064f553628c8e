// SPDX-License-Identifier: MIT
#include "services/data/fieldreader.h"
#include "services/data/boundedread.h"
#include "services/data/pathtext.h"
#include "services/data/utf8text.h"
#include <charconv>

FieldReader FieldReader::open(const std::string& path) {
    const std::string name = fileNameOf(path);
    const std::string full = absolutePath(path);
    DataText data = decodeDataFile(readDataFile(path, maxFileBytes), name, full);
    return FieldReader(name, std::move(data.text), full, data.encoding);
}

FieldReader::FieldReader(std::string fileName, std::string text, std::string path, DataEncoding encoding)
    : fileName_(std::move(fileName)), path_(std::move(path)), encoding_(encoding), text_(std::move(text)) {}

bool FieldReader::atEnd() const {
    if (afterComma_) return false; // a comma promises one more field, if only an empty one
    for (std::size_t i = pos_; i < text_.size(); ++i) {
        const char c = text_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

bool FieldReader::atLineBreak() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void FieldReader::skipLineBreak() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++currentLine_;
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
}

void FieldReader::fail(const std::string& detail) const {
    throw DataFileError(fileName_, fieldLine_, detail, path_);
}

std::string FieldReader::readText() {
    skipBlanks();
    if (afterComma_ && (pos_ >= text_.size() || atLineBreak())) {
        // The empty field between a comma and the line end (or the end of the file).
        afterComma_ = false;
        fieldLine_ = currentLine_;
        if (pos_ < text_.size()) skipLineBreak();
        return {};
    }
    if (pos_ >= text_.size()) {
        // Name the line of the record's last field: the line the teacher has to complete.
        if (fieldLine_ == 0) fieldLine_ = 1;
        fail("the file ends in the middle of a record");
    }
    fieldLine_ = currentLine_;

    std::string value;
    if (text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string::npos) fail("a double quote opened here is never closed");
        value = text_.substr(pos_ + 1, close - pos_ - 1);
        for (std::size_t i = pos_; i < close; ++i)
            if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
                ++currentLine_;
        pos_ = close + 1;
        // Anything between the closing quote and the next comma or line end is not part of the field.
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineBreak())
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineBreak())
            ++pos_;
        value = text_.substr(start, pos_ - start);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
    }
    afterComma_ = false;
    if (pos_ < text_.size()) {
        if (text_[pos_] == ',') {
            ++pos_;
            afterComma_ = true;
        } else {
            skipLineBreak();
        }
    }
    return value;
}

std::int16_t FieldReader::readInteger() {
    const std::string field = readText();
    const std::string number = withoutOuterBlanks(field);
    // A sign, then digits only: "+7" and "-7" are numbers, "7a", "0x7", "+-7" and "" are not.
    const std::size_t start = !number.empty() && number[0] == '+' ? 1 : 0;
    long long value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data() + start, end, value);
    const bool ok =
        start < number.size() && (start == 0 || number[start] != '-') && error == std::errc() && stop == end;
    if (!ok) fail("'" + firstLetters(field, 40) + "' is not a whole number");
    if (value < -32768 || value > 32767)
        fail("the number " + std::to_string(value) + " is outside the range -32768 to 32767");
    return static_cast<std::int16_t>(value);
}
