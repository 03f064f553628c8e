// SPDX-License-Identifier: MIT
#pragma once
// Sequential reading of a data file field by field, as the game's data files are written: fields separated
// by commas or line ends, text fields optionally in double quotes (which may then hold commas), blanks before
// a field skipped. The file is code page 932 or UTF-8 text. Every fault names the file and the line.
#include "services/data/datafileerror.h"
#include "services/data/datatext.h"
#include <cstddef>
#include <cstdint>
#include <string>

class FieldReader {
public:
    // Reads the whole file at path. Throws DataFileError when it is missing, not a regular file, unreadable,
    // too large, neither UTF-8 nor code page 932, or holds a NUL or a character no font can show.
    static FieldReader open(const std::string& path);
    // A reader over text already decoded (UTF-8); fileName and path (the file's full path, when known) are
    // used in messages.
    FieldReader(std::string fileName, std::string text, std::string path = {},
                DataEncoding encoding = DataEncoding::Cp932);

    // True when nothing but blanks and line ends is left: the end-of-file test made before each record.
    bool atEnd() const;
    // The next field as text. Throws when the file ends before the field.
    std::string readText();
    // The next field as a 16-bit signed integer. Throws when it is not a whole number in that range.
    std::int16_t readInteger();
    // Line (1-based) on which the last field read began.
    int line() const { return fieldLine_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& path() const { return path_; }
    DataEncoding encoding() const { return encoding_; }

    // Files larger than this are refused rather than read. A full bank of 401 words is about ten kilobytes;
    // the limit keeps what any file can cost small, a word of a million letters on the screen included.
    static constexpr std::int64_t maxFileBytes = 1024 * 1024;

private:
    bool atLineBreak() const;
    void skipLineBreak();
    void skipBlanks();
    [[noreturn]] void fail(const std::string& detail) const;

    std::string fileName_;
    std::string path_;
    DataEncoding encoding_;
    std::string text_;
    std::size_t pos_ = 0;
    int currentLine_ = 1;
    int fieldLine_ = 0;
    bool afterComma_ = false;
};
