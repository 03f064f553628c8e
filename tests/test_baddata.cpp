// Bad data files met at start-up. Every file of the corpus under tests/data/bad/romaji/ either loads with the
// result the reading rules give, or stops start-up with one error that names romaji.txt and the line at
// fault; never a crash or a hang. Huge files are made here rather than kept in the corpus. An input that
// made a fuzz target fail joins the corpus with its outcome stated below.
#include "screens/main/form1.h"
#include "support/gamefixture.h"
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString bankName = QStringLiteral("romaji.txt");

struct Expected {
    QString file;
    int words = -1;       // the bank loads with this many words; -1: start-up stops with an error
    QString answer, word; // the last word loaded
    int line = 0;         // the line the error names
    QString fault;        // what the error says about that line
};

Expected loads(const char* file, int words, const QString& answer = {}, const QString& word = {}) {
    return {QString::fromUtf8(file), words, answer, word};
}

Expected fails(const char* file, int line, const char* fault) {
    return {QString::fromUtf8(file), -1, {}, {}, line, QString::fromUtf8(fault)};
}

QByteArray corpusFile(const QString& folder, const QString& name) {
    QFile file(QStringLiteral(POKURAKU_TEST_DATA "/") + folder + QStringLiteral("/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

// Starts a game on the given bytes as romaji.txt and checks the outcome the case expects.
void check(const Expected& e, const QByteArray& bytes) {
    GameFixture game(QString{});
    game.writeBytes(bankName, bytes);
    game.start();
    const Form1& f = game.program->form1();
    const QString what = e.file + QStringLiteral(": ") + game.errors.details.join(u'|');
    if (e.words >= 0) {
        QVERIFY2(game.errors.details.isEmpty(), qPrintable(what));
        QCOMPARE(f.questionCount, e.words);
        if (e.words > 0) {
            QCOMPARE(f.romajiList[e.words - 1], e.answer);
            QCOMPARE(f.wordList[e.words - 1], e.word);
            QVERIFY(std::find(f.wordList.begin(), f.wordList.begin() + e.words, f.questionWord) !=
                    f.wordList.begin() + e.words);
        }
        return;
    }
    QVERIFY2(game.errors.details.size() == 1, qPrintable(what));
    const QString where =
        e.line > 0 ? QStringLiteral("romaji.txt, line %1: ").arg(e.line) : QStringLiteral("romaji.txt: ");
    QVERIFY2(game.errors.details[0].startsWith(where + e.fault), qPrintable(what));
    QVERIFY2(game.errors.playerTexts[0].contains(bankName), qPrintable(game.errors.playerTexts[0]));
    if (e.line > 0) QVERIFY(game.errors.playerTexts[0].contains(QStringLiteral("%1 行目").arg(e.line)));
    QVERIFY(!f.isVisible());
}

} // namespace

class BadDataTest : public QObject {
    Q_OBJECT
  private slots:
    void romajiCorpus();
    void hugeBanks();
};

void BadDataTest::romajiCorpus() {
    const QString twentyFour = QStringLiteral("abcdefghijklmnopqrstuvwx");
    const QList<Expected> cases = {
        loads("empty.txt", 0),
        loads("blank-lines-only.txt", 0),
        fails("quote-never-closed.txt", 1, "a double quote opened here is never closed"),
        fails("quote-never-closed-line2.txt", 2, "a double quote opened here is never closed"),
        // A quoted field runs to its closing quote, across a line end.
        loads("quote-across-lines.txt", 2, "neko", "ねこ"),
        fails("nul-byte.txt", 1, "the line holds a NUL byte"),
        fails("nul-byte-line3.txt", 3, "the line holds a NUL byte"),
        fails("cp932-lead-byte-at-line-end.txt", 2, "bytes that are not valid Shift_JIS"),
        fails("cp932-unassigned-pair.txt", 1, "bytes that are not valid Shift_JIS"),
        fails("cp932-undefined-byte.txt", 1, "bytes that are not valid Shift_JIS"),
        fails("utf8-with-bom.txt", 1, "the file is saved as UTF-8"),
        fails("utf8-without-bom.txt", 1, "bytes that are not valid Shift_JIS"),
        fails("picture-not-text.txt", 1, "the line holds a NUL byte"),
        // A lone LF or CR ends a line as CR LF does.
        loads("lf-line-ends.txt", 2, "neko", "ねこ"),
        loads("cr-line-ends.txt", 2, "neko", "ねこ"),
        fails("record-cut-short.txt", 2, "the file ends in the middle of a record"),
        fails("record-cut-at-end-of-file.txt", 2, "the file ends in the middle of a record"),
        // Fields are taken two at a time whatever the lines: a third field starts the next record.
        loads("three-fields-then-one.txt", 2, "b", "い"),
        fails("three-fields-alone.txt", 1, "the file ends in the middle of a record"),
        fails("trailing-comma.txt", 1, "the file ends in the middle of a record"),
        fails("only-commas.txt", 1, "the file ends in the middle of a record"),
        fails("tab-instead-of-comma.txt", 1, "the file ends in the middle of a record"),
        // An end-of-file mark from an old editor is a character like any other: a field without its pair.
        fails("ctrl-z-after-last-line.txt", 2, "the file ends in the middle of a record"),
        loads("blanks-before-fields.txt", 1, "inu", "いぬ"),
        loads("quoted-answer-with-comma.txt", 1, "a,b", "えー"),
        loads("quote-inside-field.txt", 1, "in\"u", "いぬ"),
        loads("text-after-closing-quote.txt", 1, "inu", "いぬ"),
        loads("halfwidth-katakana.txt", 1, "neko", "ﾈｺ"),
        loads("answer-24-letters.txt", 1, twentyFour, "ながい"),
        fails("answer-25-letters.txt", 1, "the answer 'abcdefghijklmnopqrstuvwxy' is 25 letters long"),
        fails("answer-too-long-line3.txt", 3, "the answer 'ro^ma^ji^ro^ma^ji^ro^ma^ji^' is 27 letters long"),
        loads("records-401.txt", 401, "w400", "ことば400"),
        fails("records-402.txt", 402, "more than 401 records"),
    };
    // Every file of the corpus has its expected outcome here, and every case its file.
    QStringList named;
    for (const Expected& e : cases)
        named << e.file;
    named.sort();
    const QStringList files =
        QDir(QStringLiteral(POKURAKU_TEST_DATA "/bad/romaji")).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, named);
    for (const Expected& e : cases) {
        check(e, corpusFile(QStringLiteral("bad/romaji"), e.file));
        if (QTest::currentTestFailed()) return;
    }
}

void BadDataTest::hugeBanks() {
    const QByteArray tenMegabytes(10 * 1024 * 1024, 'a');
    check(fails("10 MB answer", 1,
                "the answer 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' is 10485760 letters long"),
          tenMegabytes + ",x\r\n");
    check(fails("10 MB line without a comma", 2, "the file ends in the middle of a record"),
          "inu,\x82\xa2\x82\xca\r\n" + tenMegabytes + "\r\n");
    check(fails("10 MB quoted field never closed", 1, "a double quote opened here is never closed"),
          "\"" + tenMegabytes + "\r\n");
    // A long word is no fault: only the answer has to fit the tiles.
    check(loads("10 MB word", 1, QStringLiteral("inu"), QString::fromLatin1(tenMegabytes)),
          "inu," + tenMegabytes + "\r\n");
    {
        // Files beyond 64 MB are refused before they are read (a sparse file: nothing is written).
        GameFixture game(QString{});
        QFile file(game.dir.filePath(bankName));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(65 * 1024 * 1024));
        file.close();
        game.start();
        QCOMPARE(game.errors.details.size(), 1);
        QVERIFY2(game.errors.details[0].startsWith(QStringLiteral("romaji.txt: the file is too large")),
                 qPrintable(game.errors.details[0]));
    }
    {
        GameFixture game(QString{});
        game.start();
        QCOMPARE(game.errors.details.size(), 1);
        QVERIFY(game.errors.details[0].startsWith(QStringLiteral("romaji.txt: file not found")));
    }
}

QTEST_MAIN(BadDataTest)
#include "test_baddata.moc"
