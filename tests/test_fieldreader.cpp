// The data-file reader: fields separated by commas and line ends, quotes, blanks, the end-of-file test,
// whole numbers, code page 932 decoding, and faults that name the file and the line.
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
    void faultsNameFileAndLine();
};

static QStringList readAll(FieldReader& reader) {
    QStringList fields;
    while (!reader.atEnd())
        fields << reader.readText();
    return fields;
}

void FieldReaderTest::fieldsAndLineEnds() {
    FieldReader r(QStringLiteral("t.txt"), QStringLiteral("\"a,b\",  c  \r\nd,\"e\" junk,f\ng\rh,,\r\n"));
    QCOMPARE(readAll(r), (QStringList{"a,b", "c", "d", "e", "f", "g", "h", "", ""}));
    // A line end ends a field just as a comma does: a line of three fields shifts the records after it.
    FieldReader shifted(QStringLiteral("t.txt"), QStringLiteral("1,2,3\r\n4\r\n"));
    QCOMPARE(readAll(shifted), (QStringList{"1", "2", "3", "4"}));
    FieldReader lines(QStringLiteral("t.txt"), QStringLiteral("a,b\r\nc,\"multi\r\nline\"\r\nd"));
    lines.readText();
    QCOMPARE(lines.line(), 1);
    lines.readText();
    lines.readText();
    QCOMPARE(lines.line(), 2);
    lines.readText();
    QCOMPARE(lines.line(), 2);
    QCOMPARE(lines.readText(), QStringLiteral("d"));
    QCOMPARE(lines.line(), 4);
}

void FieldReaderTest::endOfFileTest() {
    FieldReader empty(QStringLiteral("t.txt"), QString());
    QVERIFY(empty.atEnd());
    FieldReader trailing(QStringLiteral("t.txt"), QStringLiteral("a,b\r\n\r\n  \r\n"));
    QCOMPARE(readAll(trailing), (QStringList{"a", "b"}));
    FieldReader noFinalBreak(QStringLiteral("t.txt"), QStringLiteral("a,b"));
    QCOMPARE(readAll(noFinalBreak), (QStringList{"a", "b"}));
    FieldReader cut(QStringLiteral("t.txt"), QStringLiteral("a,b\r\nc"));
    readAll(cut);
    QVERIFY(cut.atEnd());
    try {
        cut.readText();
        QFAIL("reading past the end must fail");
    } catch (const DataFileError& e) {
        QCOMPARE(e.line(), 2);
        QCOMPARE(e.file(), QStringLiteral("t.txt"));
    }
}

void FieldReaderTest::integers() {
    FieldReader r(QStringLiteral("p.txt"), QStringLiteral(" 12,-3,32767,-32768,32768,x,1.5,\r\n"));
    QCOMPARE(r.readInteger(), std::int16_t(12));
    QCOMPARE(r.readInteger(), std::int16_t(-3));
    QCOMPARE(r.readInteger(), std::int16_t(32767));
    QCOMPARE(r.readInteger(), std::int16_t(-32768));
    for (const char* bad : {"32768", "x", "1.5", ""}) {
        try {
            r.readInteger();
            QFAIL(bad);
        } catch (const DataFileError& e) {
            QVERIFY2(e.detail().contains(QLatin1String(bad)) || QByteArray(bad).isEmpty(),
                     qPrintable(e.detail()));
        }
    }
}

void FieldReaderTest::decodesCodePage932() {
    // Full-width and half-width katakana, hiragana, kanji, the full-width caret and the wave dash.
    const QByteArray bytes("\x83\x8d\x81\x5b\x83\x7d\x8e\x9a,\xb8\xd8\xaf\xb8,\x82\xa0\x81\x4f\x81\x60");
    const std::optional<QString> text = decodeCp932(bytes);
    QVERIFY(text);
    QCOMPARE(*text, QStringLiteral("ローマ字,ｸﾘｯｸ,あ＾～"));
    QCOMPARE(encodeCp932(*text), bytes);
    Cp932Fault fault{};
    QVERIFY(!decodeCp932(QByteArray("ab\r\nc\x82", 6), &fault));
    QCOMPARE(fault.offset, qsizetype(5));
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
        {"\xEF\xBB\xBF"
         "a,b\r\n",
         1, "UTF-8"},
        {"a,b\r\n\"c,d\r\n", 2, "never closed"},
    };
    for (const auto& c : cases) {
        const QString path = write(c.bytes);
        try {
            FieldReader r = FieldReader::open(path);
            while (!r.atEnd())
                r.readText();
            QFAIL(c.detail);
        } catch (const DataFileError& e) {
            QCOMPARE(e.line(), c.line);
            QVERIFY2(e.detail().contains(QLatin1String(c.detail)), qPrintable(e.detail()));
            QVERIFY(e.detail().startsWith(QStringLiteral("romaji.txt, line %1:").arg(c.line)));
        }
    }
    try {
        FieldReader::open(dir.filePath(QStringLiteral("nothing.txt")));
        QFAIL("a missing file must fail");
    } catch (const DataFileError& e) {
        QCOMPARE(e.line(), 0);
        QVERIFY(e.detail().contains(QDir::toNativeSeparators(dir.path())));
    }
}

QTEST_GUILESS_MAIN(FieldReaderTest)
#include "test_fieldreader.moc"
