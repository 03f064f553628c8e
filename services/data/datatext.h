// SPDX-License-Identifier: MIT
#pragma once
// The text of a data file. Teachers save it from whatever editor they have: UTF-8 (what most editors write
// today, with or without a byte-order mark) or code page 932 (Shift_JIS, as the game's own files are). A
// trailing end-of-file mark (Ctrl-Z) from an old editor ends the file. Characters that no font can show (the
// user-defined area of code page 932, Unicode private use) are refused where they stand.
#include <cstddef>
#include <string>
#include <string_view>

enum class DataEncoding { Cp932, Utf8 };

struct DataText {
    std::string text; // UTF-8
    DataEncoding encoding = DataEncoding::Cp932;
};

// Decodes the bytes of the file name (path: its full path, for the messages). A file that is valid UTF-8
// and not plain ASCII is read as UTF-8; anything else as code page 932. Throws DataFileError naming the line
// of a NUL byte, of bytes that are neither, or of a character no font can show.
DataText decodeDataFile(std::string bytes, const std::string& name, const std::string& path = {});

// Drops the end-of-file marks (Ctrl-Z, 0x1A) that end the bytes.
void dropEndOfFileMark(std::string& bytes);

struct Utf8Scan {
    bool valid = true;
    bool ascii = true;             // no byte above 0x7F
    bool beyondTwoBytes = false;   // holds a character from U+0800 up (kana, kanji, emoji)
    std::ptrdiff_t badOffset = -1; // the first byte of the first invalid sequence
};
// Checks bytes against the UTF-8 rules: no overlong forms, no surrogates, nothing past U+10FFFF.
Utf8Scan scanUtf8(std::string_view bytes);
