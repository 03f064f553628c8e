// Bad data files. Every file of the corpus under tests/data/bad/romaji/ (met at start-up) and
// tests/data/bad/romajimojiren/ (met when the practice screen opens) either loads with the result the
// reading rules give, or stops with one error that names the file and the line at fault; never a crash or
// a hang. Huge files are made here rather than kept in the corpus. An input that made a fuzz target fail
// joins the corpus with its outcome stated below.
#include "screens/main/form1.h"
#include "screens/practice/rensyu.h"
#include "support/gamefixture.h"
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString bankFile = QStringLiteral("romaji.txt");

struct Expected {
    QString file;
    int records = -1;      // the file loads with this many records; -1: it stops with an error
    QString first, second; // the last record loaded: answer and word, or prompt and kana
    int label = 0;         // and its label number (practice data)
    int line = 0;          // the line the error names
    QString fault;         // what the error says about that line
};

Expected loads(const char* file, int records, const QString& first = {}, const QString& second = {},
               int label = 0) {
    return {QString::fromUtf8(file), records, first, second, label};
}

Expected fails(const char* file, int line, const char* fault) {
    return {QString::fromUtf8(file), -1, {}, {}, 0, line, QString::fromUtf8(fault)};
}

QByteArray corpusFile(const QString& folder, const QString& name) {
    QFile file(QStringLiteral(POKURAKU_TEST_DATA "/bad/") + folder + QStringLiteral("/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

// Every file of a corpus folder has its expected outcome, and every case its file.
void checkCorpusIsCovered(const QString& folder, const QList<Expected>& cases) {
    QStringList named;
    for (const Expected& e : cases)
        named << e.file;
    named.sort();
    QCOMPARE(QDir(QStringLiteral(POKURAKU_TEST_DATA "/bad/") + folder).entryList(QDir::Files, QDir::Name),
             named);
}

void checkFault(const Expected& e, const QString& dataFile, const RecordingErrors& errors) {
    const QString what = e.file + QStringLiteral(": ") + errors.details.join(u'|');
    QVERIFY2(errors.details.size() == 1, qPrintable(what));
    const QString where = e.line > 0 ? QStringLiteral("%1, line %2: ").arg(dataFile).arg(e.line)
                                     : dataFile + QStringLiteral(": ");
    QVERIFY2(errors.details[0].startsWith(where + e.fault), qPrintable(what));
    QVERIFY2(errors.playerTexts[0].contains(dataFile), qPrintable(errors.playerTexts[0]));
    if (e.line > 0) QVERIFY(errors.playerTexts[0].contains(QStringLiteral("%1 行目").arg(e.line)));
}

// Starts a game on the given bytes as romaji.txt and checks the outcome the case expects.
void checkBank(const Expected& e, const QByteArray& bytes) {
    GameFixture game(QString{});
    game.writeBytes(bankFile, bytes);
    game.start();
    const Form1& f = game.program->form1();
    if (e.records < 0) {
        checkFault(e, bankFile, game.errors);
        return;
    }
    QVERIFY2(game.errors.details.isEmpty(), qPrintable(e.file + u' ' + game.errors.details.join(u'|')));
    QCOMPARE(f.questionCount, e.records);
    if (e.records == 0) return;
    QCOMPARE(f.romajiList[e.records - 1], e.first);
    QCOMPARE(f.wordList[e.records - 1], e.second);
    // The first question is one of the words loaded.
    QVERIFY(std::find(f.wordList.begin(), f.wordList.begin() + e.records, f.questionWord) !=
            f.wordList.begin() + e.records);
}

// Starts a game, opens the practice screen from the menu over the given bytes as romajimojiren.txt and
// checks the outcome the case expects.
void checkPractice(const Expected& e, const QByteArray& bytes) {
    GameFixture game;
    game.writeBytes(practiceDataFile, bytes);
    game.start();
    game.program->guard().run([&] { game.program->form1().moren_Click(); });
    const Rensyu& r = game.program->rensyu();
    if (e.records < 0) {
        checkFault(e, practiceDataFile, game.errors);
        return;
    }
    QVERIFY2(game.errors.details.isEmpty(), qPrintable(e.file + u' ' + game.errors.details.join(u'|')));
    QVERIFY(r.isVisible());
    QCOMPARE(r.table.recordCount, e.records);
    if (e.records == 0) return;
    const auto last = static_cast<std::size_t>(e.records - 1);
    QCOMPARE(r.table.promptList[last], e.first);
    QCOMPARE(r.table.answerList[last], e.second);
    QCOMPARE(int(r.table.labelList[last]), e.label);
}

template <class Check> void checkAll(const QString& folder, const QList<Expected>& cases, Check check) {
    checkCorpusIsCovered(folder, cases);
    for (const Expected& e : cases) {
        check(e, corpusFile(folder, e.file));
        if (QTest::currentTestFailed()) return;
    }
}

} // namespace

class BadDataTest : public QObject {
    Q_OBJECT
private slots:
    void romajiCorpus();
    void practiceCorpus();
    void hugeFiles();
};

void BadDataTest::romajiCorpus() {
    const char* cutShort = "the file ends in the middle of a record";
    const char* notShiftJis = "bytes that are not valid Shift_JIS";
    checkAll(
        QStringLiteral("romaji"),
        {
            loads("empty.txt", 0),
            loads("blank-lines-only.txt", 0),
            fails("quote-never-closed.txt", 1, "a double quote opened here is never closed"),
            fails("quote-never-closed-line2.txt", 2, "a double quote opened here is never closed"),
            // A quoted field runs to its closing quote, across a line end.
            loads("quote-across-lines.txt", 2, "neko", "ねこ"),
            fails("nul-byte.txt", 1, "the line holds a NUL byte"),
            fails("nul-byte-line3.txt", 3, "the line holds a NUL byte"),
            fails("cp932-lead-byte-at-line-end.txt", 2, notShiftJis),
            fails("cp932-unassigned-pair.txt", 1, notShiftJis),
            fails("cp932-undefined-byte.txt", 1, notShiftJis),
            fails("utf8-with-bom.txt", 1, "the file is saved as UTF-8"),
            fails("utf8-without-bom.txt", 1, notShiftJis),
            fails("picture-not-text.txt", 1, "the line holds a NUL byte"),
            // A lone LF or CR ends a line as CR LF does.
            loads("lf-line-ends.txt", 2, "neko", "ねこ"),
            loads("cr-line-ends.txt", 2, "neko", "ねこ"),
            fails("record-cut-short.txt", 2, cutShort),
            fails("record-cut-at-end-of-file.txt", 2, cutShort),
            // Fields are taken two at a time whatever the lines: a third field starts the next record.
            loads("three-fields-then-one.txt", 2, "b", "い"),
            fails("three-fields-alone.txt", 1, cutShort),
            fails("trailing-comma.txt", 1, cutShort),
            fails("only-commas.txt", 1, cutShort),
            fails("tab-instead-of-comma.txt", 1, cutShort),
            // An end-of-file mark from an old editor is a character like any other: a field without its pair.
            fails("ctrl-z-after-last-line.txt", 2, cutShort),
            loads("blanks-before-fields.txt", 1, "inu", "いぬ"),
            loads("quoted-answer-with-comma.txt", 1, "a,b", "えー"),
            loads("quote-inside-field.txt", 1, "in\"u", "いぬ"),
            loads("text-after-closing-quote.txt", 1, "inu", "いぬ"),
            loads("halfwidth-katakana.txt", 1, "neko", "ﾈｺ"),
            loads("answer-24-letters.txt", 1, "abcdefghijklmnopqrstuvwx", "ながい"),
            fails("answer-25-letters.txt", 1, "the answer 'abcdefghijklmnopqrstuvwxy' is 25 letters long"),
            fails("answer-too-long-line3.txt", 3,
                  "the answer 'ro^ma^ji^ro^ma^ji^ro^ma^ji^' is 27 letters long"),
            loads("records-401.txt", 401, "w400", "ことば400"),
            fails("records-402.txt", 402, "more than 401 records"),
        },
        checkBank);
}

void BadDataTest::practiceCorpus() {
    const char* notOnChart = "the label number";
    checkAll(
        QStringLiteral("romajimojiren"),
        {
            loads("empty.txt", 0),
            loads("records-201.txt", 201, "p200", "あ", 200 % 104),
            fails("records-202.txt", 202, "more than 201 records"),
            fails("record-cut-short.txt", 2, "the file ends in the middle of a record"),
            loads("no-line-end-after-last-record.txt", 2, "ka", "か", 5),
            // Label numbers name chart labels 0 to 103; others are refused when the file is read.
            fails("label-104.txt", 2, notOnChart),
            fails("label-negative.txt", 1, notOnChart),
            fails("label-32767.txt", 1, notOnChart),
            fails("label-past-32767.txt", 1, "the number 32768 is outside the range -32768 to 32767"),
            fails("label-below-minus-32768.txt", 1, "the number -32769 is outside the range -32768 to 32767"),
            fails("label-not-a-number.txt", 3, "'five' is not a whole number"),
            fails("label-empty.txt", 1, "'' is not a whole number"),
            fails("label-decimal.txt", 1, "'5.5' is not a whole number"),
            loads("label-with-blanks.txt", 1, "a", "あ", 7),
            loads("label-with-plus-sign.txt", 1, "a", "あ", 5),
            loads("label-quoted.txt", 1, "a", "あ", 12),
            // The reader counts fields, not lines: a fourth field shifts the next record's kana into
            // its label number.
            fails("four-fields-then-two.txt", 2, "'か' is not a whole number"),
            loads("quoted-prompt-with-comma.txt", 1, "a,b", "あ", 0),
            fails("quote-never-closed.txt", 2, "a double quote opened here is never closed"),
            fails("nul-byte.txt", 2, "the line holds a NUL byte"),
            fails("cp932-lead-byte-at-line-end.txt", 2, "bytes that are not valid Shift_JIS"),
            fails("utf8-with-bom.txt", 1, "the file is saved as UTF-8"),
            loads("lf-line-ends.txt", 2, "ka", "か", 5),
            loads("halfwidth-katakana.txt", 1, "kya", "ｷｬ", 73),
        },
        checkPractice);
}

void BadDataTest::hugeFiles() {
    const QByteArray tenMegabytes(10 * 1024 * 1024, 'a');
    checkBank(fails("10 MB answer", 1,
                    "the answer 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' is 10485760 letters long"),
              tenMegabytes + ",x\r\n");
    checkBank(fails("10 MB line without a comma", 2, "the file ends in the middle of a record"),
              "inu,\x82\xa2\x82\xca\r\n" + tenMegabytes + "\r\n");
    checkBank(fails("10 MB quoted field never closed", 1, "a double quote opened here is never closed"),
              "\"" + tenMegabytes + "\r\n");
    // A long word is no fault: only the answer has to fit the tiles.
    checkBank(loads("10 MB word", 1, QStringLiteral("inu"), QString::fromLatin1(tenMegabytes)),
              "inu," + tenMegabytes + "\r\n");
    checkPractice(loads("10 MB prompt", 1, QString::fromLatin1(tenMegabytes), QStringLiteral("あ"), 0),
                  tenMegabytes + ",\x82\xa0,0\r\n");
    checkPractice(fails("10 MB label", 1, "'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' is not a whole number"),
                  "a,\x82\xa0," + tenMegabytes + "\r\n");
    for (const QString& name : {bankFile, practiceDataFile}) {
        // Files beyond 64 MB are refused before they are read (a sparse file: nothing is written).
        GameFixture game;
        game.writeText(practiceDataFile, QStringLiteral("a,あ,0\r\n"));
        QFile file(game.dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(65 * 1024 * 1024));
        file.close();
        game.start();
        if (name == practiceDataFile) game.program->guard().run([&] { game.program->form1().moren_Click(); });
        QCOMPARE(game.errors.details.size(), 1);
        QVERIFY2(game.errors.details[0].startsWith(name + QStringLiteral(": the file is too large")),
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
