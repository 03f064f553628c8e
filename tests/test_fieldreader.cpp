// SPDX-License-Identifier: MIT
// The data-file reader: fields separated by commas and line ends, quotes, blanks, the end-of-file test,
// whole numbers, UTF-8 and code page 932 decoding, the end-of-file mark, characters no font shows, and
// faults that name the file, its full path and the line.
#include "screens/datafile_message.h"
#include "services/data/cp932.h"
#include "services/data/fieldreader.h"
#include "support/gamefixture.h"
#include <fstream>
#include <gtest/gtest.h>

using namespace std::string_literals;

static std::vector<std::string> readAll(FieldReader& reader) {
    std::vector<std::string> fields;
    while (!reader.atEnd())
        fields.push_back(reader.readText());
    return fields;
}

static std::string detailOf(const DataFileError& e) {
    return e.what();
}

TEST(FieldReader, fieldsAndLineEnds) {
    FieldReader r("t.txt", "\"a,b\",  c  \r\nd,\"e\" junk,f\ng\rh,,\r\n");
    ASSERT_EQ(readAll(r), (std::vector<std::string>{"a,b", "c", "d", "e", "f", "g", "h", "", ""}));
    // A line end ends a field just as a comma does: a line of three fields shifts the records after it.
    FieldReader shifted("t.txt", "1,2,3\r\n4\r\n");
    ASSERT_EQ(readAll(shifted), (std::vector<std::string>{"1", "2", "3", "4"}));
    FieldReader lines("t.txt", "a,b\r\nc,\"multi\r\nline\"\r\nd");
    lines.readText();
    ASSERT_EQ(lines.line(), 1);
    lines.readText();
    lines.readText();
    ASSERT_EQ(lines.line(), 2);
    lines.readText();
    ASSERT_EQ(lines.line(), 2);
    ASSERT_EQ(lines.readText(), "d"s);
    ASSERT_EQ(lines.line(), 4);
}

TEST(FieldReader, endOfFileTest) {
    FieldReader empty("t.txt", std::string());
    ASSERT_TRUE(empty.atEnd());
    FieldReader trailing("t.txt", "a,b\r\n\r\n  \r\n");
    ASSERT_EQ(readAll(trailing), (std::vector<std::string>{"a", "b"}));
    FieldReader noFinalBreak("t.txt", "a,b");
    ASSERT_EQ(readAll(noFinalBreak), (std::vector<std::string>{"a", "b"}));
    FieldReader cut("t.txt", "a,b\r\nc");
    readAll(cut);
    ASSERT_TRUE(cut.atEnd());
    try {
        cut.readText();
        FAIL() << "reading past the end must fail";
    } catch (const DataFileError& e) {
        ASSERT_EQ(e.line(), 2);
        ASSERT_EQ(e.file(), "t.txt"s);
    }
}

TEST(FieldReader, integers) {
    FieldReader r("p.txt", " 12,-3,32767,-32768,32768,x,1.5,\r\n");
    ASSERT_EQ(r.readInteger(), std::int16_t(12));
    ASSERT_EQ(r.readInteger(), std::int16_t(-3));
    ASSERT_EQ(r.readInteger(), std::int16_t(32767));
    ASSERT_EQ(r.readInteger(), std::int16_t(-32768));
    for (const char* bad : {"32768", "x", "1.5", ""}) {
        try {
            r.readInteger();
            FAIL() << bad;
        } catch (const DataFileError& e) {
            ASSERT_TRUE(detailOf(e).find(bad) != std::string::npos || *bad == '\0') << e.what();
        }
    }
}

TEST(FieldReader, decodesCodePage932) {
    // Full-width and half-width katakana, hiragana, kanji, the full-width caret and the wave dash.
    const std::string bytes("\x83\x8d\x81\x5b\x83\x7d\x8e\x9a,\xb8\xd8\xaf\xb8,\x82\xa0\x81\x4f\x81\x60");
    const std::optional<std::string> text = decodeCp932(bytes);
    ASSERT_TRUE(text);
    ASSERT_EQ(*text, "ローマ字,ｸﾘｯｸ,あ＾～"s);
    ASSERT_EQ(encodeCp932(*text), bytes);
    Cp932Fault fault{};
    ASSERT_TRUE(!decodeCp932(std::string("ab\r\nc\x82", 6), &fault));
    ASSERT_EQ(fault.offset, std::size_t(5));
}

TEST(FieldReader, choosesTheEncoding) {
    const struct {
        const char* name;
        std::string bytes, text;
        bool utf8;
    } rows[] = {
        {"UTF-8", "neko,\xE3\x81\xAD\xE3\x81\x93\r\n", "neko,ねこ\r\n", true},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBFneko,\xE3\x81\xAD\r\n", "neko,ね\r\n", true},
        // Also valid Shift_JIS ("☒棲" once): an emoji is read as the emoji.
        {"UTF-8 emoji", "neko,\xF0\x9F\x90\xB1\r\n", "neko,🐱\r\n", true},
        // Only characters below U+0800, and not Shift_JIS (0x80 is no character there).
        {"UTF-8 two-byte only", "a,\xC3\x80\r\n", "a,À\r\n", true},
        {"Shift_JIS", "neko,\x82\xcb\x82\xb1\r\n", "neko,ねこ\r\n", false},
        // Half-width katakana may happen to be valid UTF-8 ("ﾈｺ" is C8 BA, which is U+023A); such a file
        // holds nothing from U+0800 up as UTF-8 and reads as it always did.
        {"half-width katakana", "neko,\xC8\xBA\r\n", "neko,ﾈｺ\r\n", false},
        {"plain ASCII", "inu,dog\r\n", "inu,dog\r\n", false},
        {"empty", "", "", false},
        {"byte-order mark alone", "\xEF\xBB\xBF", "", true},
        // A trailing end-of-file mark ends the file; inside the text it is a character as before.
        {"Ctrl-Z at the end", "inu,\x82\xa2\r\n\x1A", "inu,い\r\n", false},
        {"two Ctrl-Z at the end", "inu,\x82\xa2\x1A\x1A", "inu,い", false},
        {"Ctrl-Z after UTF-8", "inu,\xE3\x81\x84\r\n\x1A", "inu,い\r\n", true},
        {"Ctrl-Z inside", "in\x1Au,x\r\n", "in\x1Au,x\r\n", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DataText data = decodeDataFile(row.bytes, "t.txt");
        ASSERT_EQ(data.text, row.text);
        ASSERT_EQ(data.encoding == DataEncoding::Utf8, row.utf8);
    }
}

TEST(FieldReader, refusesWhatCannotBeShown) {
    const struct {
        const char* name;
        std::string bytes;
        int line;
        std::string reason;
    } rows[] = {
        {"Shift_JIS user-defined F040", "inu,\x82\xa2\r\nneko,\xF0\x40\r\n", 2,
         "a user-defined character (U+E000, Shift_JIS F040 to F9FC) that no font can show"},
        {"Shift_JIS user-defined F9FC", "a,\xF9\xFC\r\n", 1, "a user-defined character (U+E757"},
        {"UTF-8 private use U+E000", "a,\xE3\x81\x82\r\nb,c\r\nd,\xEE\x80\x80\r\n", 3,
         "a private-use character (U+E000) that no font can show"},
        {"UTF-8 private use plane 15", "a,\xF3\xB0\x80\x80\r\n", 1, "a private-use character (U+F0000)"},
        {"line of a quoted field across lines", "\"a\r\nb\",\xEE\x80\x80\r\n", 2, "a private-use character"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            decodeDataFile(row.bytes, "romaji.txt");
            FAIL() << "the character must be refused";
        } catch (const DataFileError& e) {
            ASSERT_EQ(e.line(), row.line);
            ASSERT_TRUE(e.reason().starts_with(row.reason)) << e.what();
        }
    }
}

TEST(FieldReader, utf8Rules) {
    const struct {
        const char* name;
        std::string bytes;
        bool valid, beyondTwoBytes;
        std::ptrdiff_t badOffset;
    } rows[] = {
        {"ascii", "abc", true, false, -1},
        {"two bytes", "a\xC3\xA9", true, false, -1},
        {"three bytes", "\xE3\x81\x82", true, true, -1},
        {"four bytes, last", "\xF4\x8F\xBF\xBF", true, true, -1},
        {"overlong two", "a\xC0\x80", false, false, 1},
        {"overlong three", "\xE0\x80\x80", false, false, 0},
        {"overlong four", "\xF0\x80\x80\x80", false, false, 0},
        {"surrogate", "ab\xED\xA0\x80", false, false, 2},
        {"past U+10FFFF", "\xF4\x90\x80\x80", false, false, 0},
        {"cut short", "\xE3\x81", false, false, 0},
        {"lone continuation", "\xE3\x81\x82\x82", false, true, 3},
        {"Shift_JIS hiragana", "\x82\xa0", false, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Utf8Scan scan = scanUtf8(row.bytes);
        ASSERT_EQ(scan.valid, row.valid);
        ASSERT_EQ(scan.beyondTwoBytes, row.beyondTwoBytes);
        ASSERT_EQ(scan.badOffset, row.badOffset);
    }
}

TEST(FieldReader, faultsNameFileAndLine) {
    TemporaryFolder dir;
    const auto write = [&](const std::string& bytes) {
        const std::string path = dir.filePath("romaji.txt");
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    };
    const struct {
        std::string bytes;
        int line;
        const char* detail;
    } cases[] = {
        {std::string("a,b\r\nc,\0d\r\n", 11), 2, "NUL"},
        {"a,b\r\n\r\nc,\xff\r\n", 3, "Shift_JIS"},
        // UTF-8 with one bad byte: the line of that byte, not where Shift_JIS gave up (line 1).
        {"a,\xE3\x81\x82\r\nb,\xE3\x81\x84\r\nc,\xE3\x81\r\n", 3, "not valid UTF-8 nor Shift_JIS"},
        {"\xEF\xBB\xBF"
         "a,b\r\nc,\x82\xa0\r\n",
         2, "not valid UTF-8"},
        {"a,b\r\n\"c,d\r\n", 2, "never closed"},
    };
    for (const auto& c : cases) {
        const std::string path = write(c.bytes);
        try {
            FieldReader r = FieldReader::open(path);
            while (!r.atEnd())
                r.readText();
            FAIL() << c.detail;
        } catch (const DataFileError& e) {
            ASSERT_EQ(e.line(), c.line);
            ASSERT_NE(detailOf(e).find(c.detail), std::string::npos) << e.what();
            ASSERT_TRUE(detailOf(e).starts_with("romaji.txt, line " + std::to_string(c.line) + ":"));
            // The full path tells a bank in the player's folder from the installed one.
            ASSERT_EQ(e.path(), path);
            ASSERT_TRUE(detailOf(e).ends_with(" (" + path + ")"));
            ASSERT_NE(dataFileMessage(e).playerText().find(path), std::string::npos);
        }
    }
    try {
        FieldReader::open(dir.filePath("nothing.txt"));
        FAIL() << "a missing file must fail";
    } catch (const DataFileError& e) {
        ASSERT_EQ(e.line(), 0);
        ASSERT_NE(detailOf(e).find(dir.path().string()), std::string::npos);
        ASSERT_TRUE(detailOf(e).starts_with("nothing.txt: file not found"));
    }
}
