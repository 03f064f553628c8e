// SPDX-License-Identifier: MIT
// The data-file reader: fields separated by commas and line ends, quotes, blanks, the end-of-file test,
// whole numbers, UTF-8 and code page 932 decoding, the end-of-file mark, characters no font shows, and
// faults that name the file, its full path and the line.
#include "screens/datafile_message.h"
#include "services/data/cp932.h"
#include "services/data/fieldreader.h"
#include <QTemporaryDir>
#include <QtTest>

class FieldReaderTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAndLineEnds();
    void endOfFileTest();
    void integers();
    void decodesCodePage932();
    void choosesTheEncoding_data();
    void choosesTheEncoding();
    void refusesWhatCannotBeShown_data();
    void refusesWhatCannotBeShown();
    void utf8Rules_data();
    void utf8Rules();
    void faultsNameFileAndLine();
};

static QStringList readAll(FieldReader& reader) {
    QStringList fields;
    while (!reader.atEnd())
        fields << QString::fromStdString(reader.readText());
    return fields;
}

static QString detailOf(const DataFileError& e) {
    return QString::fromUtf8(e.what());
}

void FieldReaderTest::fieldsAndLineEnds() {
    FieldReader r("t.txt", "\"a,b\",  c  \r\nd,\"e\" junk,f\ng\rh,,\r\n");
    QCOMPARE(readAll(r), (QStringList{"a,b", "c", "d", "e", "f", "g", "h", "", ""}));
    // A line end ends a field just as a comma does: a line of three fields shifts the records after it.
    FieldReader shifted("t.txt", "1,2,3\r\n4\r\n");
    QCOMPARE(readAll(shifted), (QStringList{"1", "2", "3", "4"}));
    FieldReader lines("t.txt", "a,b\r\nc,\"multi\r\nline\"\r\nd");
    lines.readText();
    QCOMPARE(lines.line(), 1);
    lines.readText();
    lines.readText();
    QCOMPARE(lines.line(), 2);
    lines.readText();
    QCOMPARE(lines.line(), 2);
    QCOMPARE(QString::fromStdString(lines.readText()), QStringLiteral("d"));
    QCOMPARE(lines.line(), 4);
}

void FieldReaderTest::endOfFileTest() {
    FieldReader empty("t.txt", std::string());
    QVERIFY(empty.atEnd());
    FieldReader trailing("t.txt", "a,b\r\n\r\n  \r\n");
    QCOMPARE(readAll(trailing), (QStringList{"a", "b"}));
    FieldReader noFinalBreak("t.txt", "a,b");
    QCOMPARE(readAll(noFinalBreak), (QStringList{"a", "b"}));
    FieldReader cut("t.txt", "a,b\r\nc");
    readAll(cut);
    QVERIFY(cut.atEnd());
    try {
        cut.readText();
        QFAIL("reading past the end must fail");
    } catch (const DataFileError& e) {
        QCOMPARE(e.line(), 2);
        QCOMPARE(QString::fromStdString(e.file()), QStringLiteral("t.txt"));
    }
}

void FieldReaderTest::integers() {
    FieldReader r("p.txt", " 12,-3,32767,-32768,32768,x,1.5,\r\n");
    QCOMPARE(r.readInteger(), std::int16_t(12));
    QCOMPARE(r.readInteger(), std::int16_t(-3));
    QCOMPARE(r.readInteger(), std::int16_t(32767));
    QCOMPARE(r.readInteger(), std::int16_t(-32768));
    for (const char* bad : {"32768", "x", "1.5", ""}) {
        try {
            r.readInteger();
            QFAIL(bad);
        } catch (const DataFileError& e) {
            QVERIFY2(detailOf(e).contains(QLatin1String(bad)) || QByteArray(bad).isEmpty(), e.what());
        }
    }
}

void FieldReaderTest::decodesCodePage932() {
    // Full-width and half-width katakana, hiragana, kanji, the full-width caret and the wave dash.
    const QByteArray bytes("\x83\x8d\x81\x5b\x83\x7d\x8e\x9a,\xb8\xd8\xaf\xb8,\x82\xa0\x81\x4f\x81\x60");
    const std::optional<std::string> text = decodeCp932(bytes.toStdString());
    QVERIFY(text);
    QCOMPARE(QString::fromStdString(*text), QStringLiteral("ローマ字,ｸﾘｯｸ,あ＾～"));
    QCOMPARE(QByteArray::fromStdString(encodeCp932(*text)), bytes);
    Cp932Fault fault{};
    QVERIFY(!decodeCp932(std::string("ab\r\nc\x82", 6), &fault));
    QCOMPARE(fault.offset, std::size_t(5));
}

void FieldReaderTest::choosesTheEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");
    const auto row = [](const char* name, const QByteArray& bytes, const QString& text, bool utf8) {
        QTest::newRow(name) << bytes << text << utf8;
    };
    row("UTF-8", "neko,\xE3\x81\xAD\xE3\x81\x93\r\n", QStringLiteral("neko,ねこ\r\n"), true);
    row("UTF-8 with byte-order mark", "\xEF\xBB\xBFneko,\xE3\x81\xAD\r\n", QStringLiteral("neko,ね\r\n"),
        true);
    // Also valid Shift_JIS ("☒棲" once): an emoji is read as the emoji.
    row("UTF-8 emoji", "neko,\xF0\x9F\x90\xB1\r\n", QStringLiteral("neko,🐱\r\n"), true);
    // Only characters below U+0800, and not Shift_JIS (0x80 is no character there).
    row("UTF-8 two-byte only", "a,\xC3\x80\r\n", QStringLiteral("a,À\r\n"), true);
    row("Shift_JIS", "neko,\x82\xcb\x82\xb1\r\n", QStringLiteral("neko,ねこ\r\n"), false);
    // Half-width katakana may happen to be valid UTF-8 ("ﾈｺ" is C8 BA, which is U+023A); such a file holds
    // nothing from U+0800 up as UTF-8 and reads as it always did.
    row("half-width katakana", "neko,\xC8\xBA\r\n", QStringLiteral("neko,ﾈｺ\r\n"), false);
    row("plain ASCII", "inu,dog\r\n", QStringLiteral("inu,dog\r\n"), false);
    row("empty", "", QString(), false);
    row("byte-order mark alone", "\xEF\xBB\xBF", QString(), true);
    // A trailing end-of-file mark ends the file; inside the text it is a character as before.
    row("Ctrl-Z at the end", "inu,\x82\xa2\r\n\x1A", QStringLiteral("inu,い\r\n"), false);
    row("two Ctrl-Z at the end", "inu,\x82\xa2\x1A\x1A", QStringLiteral("inu,い"), false);
    row("Ctrl-Z after UTF-8", "inu,\xE3\x81\x84\r\n\x1A", QStringLiteral("inu,い\r\n"), true);
    row("Ctrl-Z inside", "in\x1Au,x\r\n", QStringLiteral("in\x1Au,x\r\n"), false);
}

void FieldReaderTest::choosesTheEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    const DataText data = decodeDataFile(bytes.toStdString(), "t.txt");
    QCOMPARE(QString::fromStdString(data.text), text);
    QCOMPARE(data.encoding == DataEncoding::Utf8, utf8);
}

void FieldReaderTest::refusesWhatCannotBeShown_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("Shift_JIS user-defined F040")
        << QByteArray("inu,\x82\xa2\r\nneko,\xF0\x40\r\n") << 2
        << QStringLiteral("a user-defined character (U+E000, Shift_JIS F040 to F9FC) that no font can show");
    QTest::newRow("Shift_JIS user-defined F9FC")
        << QByteArray("a,\xF9\xFC\r\n") << 1 << QStringLiteral("a user-defined character (U+E757");
    QTest::newRow("UTF-8 private use U+E000")
        << QByteArray("a,\xE3\x81\x82\r\nb,c\r\nd,\xEE\x80\x80\r\n") << 3
        << QStringLiteral("a private-use character (U+E000) that no font can show");
    QTest::newRow("UTF-8 private use plane 15")
        << QByteArray("a,\xF3\xB0\x80\x80\r\n") << 1 << QStringLiteral("a private-use character (U+F0000)");
    QTest::newRow("line of a quoted field across lines")
        << QByteArray("\"a\r\nb\",\xEE\x80\x80\r\n") << 2 << QStringLiteral("a private-use character");
}

void FieldReaderTest::refusesWhatCannotBeShown() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    try {
        decodeDataFile(bytes.toStdString(), "romaji.txt");
        QFAIL("the character must be refused");
    } catch (const DataFileError& e) {
        QCOMPARE(e.line(), line);
        QVERIFY2(QString::fromStdString(e.reason()).startsWith(reason), e.what());
    }
}

void FieldReaderTest::utf8Rules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("beyondTwoBytes");
    QTest::addColumn<int>("badOffset");
    QTest::newRow("ascii") << QByteArray("abc") << true << false << -1;
    QTest::newRow("two bytes") << QByteArray("a\xC3\xA9") << true << false << -1;
    QTest::newRow("three bytes") << QByteArray("\xE3\x81\x82") << true << true << -1;
    QTest::newRow("four bytes, last") << QByteArray("\xF4\x8F\xBF\xBF") << true << true << -1;
    QTest::newRow("overlong two") << QByteArray("a\xC0\x80") << false << false << 1;
    QTest::newRow("overlong three") << QByteArray("\xE0\x80\x80") << false << false << 0;
    QTest::newRow("overlong four") << QByteArray("\xF0\x80\x80\x80") << false << false << 0;
    QTest::newRow("surrogate") << QByteArray("ab\xED\xA0\x80") << false << false << 2;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false << false << 0;
    QTest::newRow("cut short") << QByteArray("\xE3\x81") << false << false << 0;
    QTest::newRow("lone continuation") << QByteArray("\xE3\x81\x82\x82") << false << true << 3;
    QTest::newRow("Shift_JIS hiragana") << QByteArray("\x82\xa0") << false << false << 0;
}

void FieldReaderTest::utf8Rules() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, beyondTwoBytes);
    QFETCH(int, badOffset);
    const Utf8Scan scan = scanUtf8(bytes.toStdString());
    QCOMPARE(scan.valid, valid);
    QCOMPARE(scan.beyondTwoBytes, beyondTwoBytes);
    QCOMPARE(scan.badOffset, std::ptrdiff_t(badOffset));
}

void FieldReaderTest::faultsNameFileAndLine() {
    QTemporaryDir dir;
    const auto write = [&](const QByteArray& bytes) {
        QFile f(dir.filePath(QStringLiteral("romaji.txt")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    const struct {
        QByteArray bytes;
        int line;
        const char* detail;
    } cases[] = {
        {QByteArray("a,b\r\nc,\0d\r\n", 11), 2, "NUL"},
        {"a,b\r\n\r\nc,\xff\r\n", 3, "Shift_JIS"},
        // UTF-8 with one bad byte: the line of that byte, not where Shift_JIS gave up (line 1).
        {"a,\xE3\x81\x82\r\nb,\xE3\x81\x84\r\nc,\xE3\x81\r\n", 3, "not valid UTF-8 nor Shift_JIS"},
        {"\xEF\xBB\xBF"
         "a,b\r\nc,\x82\xa0\r\n",
         2, "not valid UTF-8"},
        {"a,b\r\n\"c,d\r\n", 2, "never closed"},
    };
    for (const auto& c : cases) {
        const QString path = write(c.bytes);
        try {
            FieldReader r = FieldReader::open(path.toStdString());
            while (!r.atEnd())
                r.readText();
            QFAIL(c.detail);
        } catch (const DataFileError& e) {
            QCOMPARE(e.line(), c.line);
            QVERIFY2(detailOf(e).contains(QLatin1String(c.detail)), e.what());
            QVERIFY(detailOf(e).startsWith(QStringLiteral("romaji.txt, line %1:").arg(c.line)));
            // The full path tells a bank in the player's folder from the installed one.
            QCOMPARE(QString::fromStdString(e.path()), path);
            QVERIFY(detailOf(e).endsWith(QStringLiteral(" (%1)").arg(path)));
            QVERIFY(QString::fromStdString(dataFileMessage(e).playerText()).contains(path));
        }
    }
    try {
        FieldReader::open(dir.filePath(QStringLiteral("nothing.txt")).toStdString());
        QFAIL("a missing file must fail");
    } catch (const DataFileError& e) {
        QCOMPARE(e.line(), 0);
        QVERIFY(detailOf(e).contains(QDir::toNativeSeparators(dir.path())));
        QVERIFY(detailOf(e).startsWith(QStringLiteral("nothing.txt: file not found")));
    }
}

QTEST_GUILESS_MAIN(FieldReaderTest)
#include "test_fieldreader.moc"
