// SPDX-License-Identifier: MIT
// Checks the bank checker as a teacher meets it: every fault in a question bank or practice data file is
// reported with the file and its line, the exit status says whether anything was found, and the files that
// ship with the game hold what the game needs (all chart kana in the bank, labels in order in the practice).
#include "bank_check.h"
#include "chart_labels.h"
#include "kana_romaji.h"
#include "line_layout.h"
#include "practice_check.h"
#include "record_reader.h"

#include "services/data/boundedread.h"
#include "services/data/fieldreader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace bankcheck;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status;
    QStringList out;
    QString err;
};

Run runChecker(const QStringList& args, const QString& folder = QStringLiteral(BANKCHECK_FIXTURES)) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(BANKCHECK_EXE), args);
    if (!p.waitForFinished(60000)) return {-1, {}, u"did not finish"_s};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError())};
}

QList<Record> recordsOf(const QString& text, int width) {
    return readRecords(text.toStdString(), width).records;
}

RecordList readShipped(const std::string& name, int width) {
    const std::string bytes = readDataFile(POKURAKU_DATA_DIR "/" + name, FieldReader::maxFileBytes);
    return readRecords(decodeDataFile(bytes, name).text, width);
}

// "line: text" for each finding, in order.
QStringList described(const Findings& findings) {
    QStringList out;
    for (const Finding& f : findings)
        out << QString::number(f.line) + u": "_s + f.english;
    return out;
}

// One clean record per chart label, in label order; each prompt is the first spelling of its kana that no
// earlier label took (ぢ gets zi, since じ took ji).
QString fullPracticeText() {
    QString text;
    QSet<QString> taken;
    for (int label = 0; label < kChartLabelCount; ++label) {
        const QString caption = chartCaption(label);
        QString prompt;
        const Romanisation romanisation = romanise(captionKana(caption).first());
        for (const QString& spelling : romanisation.pieces.first()) {
            if (!taken.contains(spelling)) {
                prompt = spelling;
                break;
            }
        }
        taken.insert(prompt);
        text += prompt + u',' + caption + u',' + QString::number(label) + u"\r\n"_s;
    }
    return text;
}

} // namespace

class TestBankCheck : public QObject {
    Q_OBJECT

private slots:
    void reportsFixturesWithFileAndLine_data();
    void reportsFixturesWithFileAndLine();
    void commandLine();
    void bankRecords();
    void practiceRecords();
    void lineLayout_data();
    void lineLayout();
    void shippedBankUsesEveryChartKana();
    void shippedPracticeDataFollowsTheChart();
};

// Each fault in Japanese, then in English. A missing comma costs its own line only: the faults after it are
// all found. LF line ends are read as the game reads them.
void TestBankCheck::reportsFixturesWithFileAndLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out");
    QTest::newRow("misspelled")
        << QStringList{u"misspelled_bank.txt"_s} << 1
        << QStringList{
               u"misspelled_bank.txt 3行目：答え「gako^」は「がっこう」のローマ字のつづりではありません（例：gakko^）"_s,
               u"misspelled_bank.txt:3: answer 'gako^' is not a spelling of がっこう (expected e.g. gakko^)"_s,
               u"misspelled_bank.txt：訓令式でもヘボン式でも同じつづりです"_s,
               u"misspelled_bank.txt: spelt the same in Kunrei and Hepburn"_s,
               u"misspelled_bank.txt：4件を読みました。まちがいは1件です"_s,
               u"misspelled_bank.txt: 4 records, 1 problem(s)"_s};
    QTest::newRow("too long")
        << QStringList{u"--bank"_s, u"too_long_bank.txt"_s} << 1
        << QStringList{
               u"too_long_bank.txt 2行目：答え「chokore^tokukki^toaisukuri^mu」は29文字です。文字のタイルは24個しかありません"_s,
               u"too_long_bank.txt:2: answer 'chokore^tokukki^toaisukuri^mu' has 29 letters; the game has only 24 letter tiles"_s,
               u"too_long_bank.txt：ヘボン式で書かれています"_s,
               u"too_long_bank.txt: written in Hepburn"_s,
               u"too_long_bank.txt：3件を読みました。まちがいは1件です"_s,
               u"too_long_bank.txt: 3 records, 1 problem(s)"_s};
    QTest::newRow("wrong caption")
        << QStringList{u"--practice"_s, u"wrong_caption_practice.txt"_s} << 1
        << QStringList{
               u"wrong_caption_practice.txt 37行目：答え「きょ」はラベル36（きゅ）の文字ではありません（ラベル38の文字です）"_s,
               u"wrong_caption_practice.txt:37: answer 'きょ' is not the caption of label 36 (きゅ); it is the caption of label 38"_s,
               u"wrong_caption_practice.txt 96行目：答え「じゃ」はラベル95（じゃ(ぢゃ)）の文字ではありません"_s,
               u"wrong_caption_practice.txt:96: answer 'じゃ' is not the caption of label 95 (じゃ(ぢゃ))"_s,
               u"wrong_caption_practice.txt：104件を読みました。まちがいは2件です"_s,
               u"wrong_caption_practice.txt: 104 records, 2 problem(s)"_s};
    QTest::newRow("LF line ends")
        << QStringList{u"lf_bank.txt"_s} << 0
        << QStringList{u"lf_bank.txt：訓令式でもヘボン式でも同じつづりです"_s,
                       u"lf_bank.txt: spelt the same in Kunrei and Hepburn"_s,
                       u"lf_bank.txt：3件をUTF-8として読みました。まちがいは見つかりませんでした"_s,
                       u"lf_bank.txt: 3 records, read as UTF-8, no problems found"_s};
    QTest::newRow("Kunrei")
        << QStringList{u"kunrei_bank.txt"_s} << 0
        << QStringList{u"kunrei_bank.txt：訓令式で書かれています"_s, u"kunrei_bank.txt: written in Kunrei"_s,
                       u"kunrei_bank.txt：3件をUTF-8として読みました。まちがいは見つかりませんでした"_s,
                       u"kunrei_bank.txt: 3 records, read as UTF-8, no problems found"_s};
    QTest::newRow("older tch, ん that reads on")
        << QStringList{u"older_spellings_bank.txt"_s} << 0
        << QStringList{
               u"older_spellings_bank.txt 1行目：注意：答え「botchan」の tch は古いヘボン式の書き方です。ヘボン式では cch（bocchan）で出します"_s,
               u"older_spellings_bank.txt:1: note: answer 'botchan' writes tch, the older Hepburn; the Hepburn spellings deal it with cch (bocchan)"_s,
               u"older_spellings_bank.txt 2行目：注意：答え「panya」では「ん」の n が次の文字とつながり、ほかのかなに読めます。n の後に ' を入れてください（例：pan'ya）"_s,
               u"older_spellings_bank.txt:2: note: answer 'panya' writes ん as n before a vowel or y, where it reads as another kana; put ' after the n (e.g. pan'ya)"_s,
               u"older_spellings_bank.txt：ヘボン式で書かれています"_s,
               u"older_spellings_bank.txt: written in Hepburn"_s,
               u"older_spellings_bank.txt：2件をUTF-8として読みました。まちがいは見つかりませんでした"_s,
               u"older_spellings_bank.txt: 2 records, read as UTF-8, no problems found"_s};
    QTest::newRow("missing comma")
        << QStringList{u"missing_comma_bank.txt"_s} << 1
        << QStringList{
               u"missing_comma_bank.txt 2行目：この行の項目は1個です。1行に2個（答え,ことば）をコンマで区切って書きます"_s,
               u"missing_comma_bank.txt:2: the line holds 1 field(s); each line holds 2: answer,word"_s,
               u"missing_comma_bank.txt 4行目：答え「gako^」は「がっこう」のローマ字のつづりではありません（例：gakko^）"_s,
               u"missing_comma_bank.txt:4: answer 'gako^' is not a spelling of がっこう (expected e.g. gakko^)"_s,
               u"missing_comma_bank.txt 5行目：「inu,いぬ」は1行目と同じです"_s,
               u"missing_comma_bank.txt:5: 'inu,いぬ' repeats line 1"_s,
               u"missing_comma_bank.txt 6行目：答えが空です"_s,
               u"missing_comma_bank.txt:6: the answer is empty"_s,
               u"missing_comma_bank.txt：訓令式でもヘボン式でも同じつづりです"_s,
               u"missing_comma_bank.txt: spelt the same in Kunrei and Hepburn"_s,
               u"missing_comma_bank.txt：5件をUTF-8として読みました。まちがいは4件です"_s,
               u"missing_comma_bank.txt: 5 records, read as UTF-8, 4 problem(s)"_s};
}

void TestBankCheck::reportsFixturesWithFileAndLine() {
    QFETCH(QStringList, args);
    const Run run = runChecker(args);
    QTEST(run.status, "status");
    QTEST(run.out, "out");
}

void TestBankCheck::commandLine() {
    const QString data = QStringLiteral(POKURAKU_DATA_DIR);
    const QString bank = data + u"/romaji.txt"_s;
    const QString practice = data + u"/romajimojiren.txt"_s;

    Run run = runChecker({bank, practice});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.last().endsWith(u"records, no problems found"_s));
    // A file given by option leaves the positional one for the other kind.
    QCOMPARE(runChecker({u"--practice"_s, practice, bank}).status, 0);
    QCOMPARE(runChecker({practice, u"--bank"_s, bank}).status, 0);
    // The practice data is no bank: its lines hold three fields.
    QCOMPARE(runChecker({practice}).status, 1);

    run = runChecker({u"--help"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.join(u'\n').contains(u"Exit status"_s));
    QCOMPARE(runChecker({}).status, 2);
    QCOMPARE(runChecker({bank, practice, bank}).status, 2);
    QCOMPARE(runChecker({u"--bank"_s, bank, u"--practice"_s, practice, bank}).status, 2);
    QCOMPARE(runChecker({u"--colour"_s, bank}).status, 2);

    // A missing file is a read error even when the other file is clean; the other is still checked.
    run = runChecker({u"no-such-file.txt"_s, practice});
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains(u"cannot read no-such-file.txt"_s));
    QVERIFY(run.out.last().endsWith(u"no problems found"_s));

    // Files as teachers' editors save them: UTF-8 with a byte-order mark and a trailing end-of-file mark
    // read as the game reads them, and the summary says how the file was read.
    QTemporaryDir dir;
    QFile utf8(dir.filePath(u"romaji.txt"_s));
    QVERIFY(utf8.open(QIODevice::WriteOnly));
    utf8.write("\xEF\xBB\xBFinu,\xE3\x81\x84\xE3\x81\xAC\r\n\x1A");
    utf8.close();
    run = runChecker({u"romaji.txt"_s}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.last(), u"romaji.txt: 1 records, read as UTF-8, no problems found"_s);

    // What the game refuses, the checker names: a blank in an answer, a character no font shows.
    QVERIFY(utf8.open(QIODevice::WriteOnly | QIODevice::Truncate));
    utf8.write("ne ko,\xE3\x81\xAD\xE3\x81\x93\r\ninu,\xEE\x80\x80\r\n");
    utf8.close();
    run = runChecker({u"romaji.txt"_s}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(
        run.out.first(),
        u"romaji.txt 2行目：どのフォントでも表示できない文字（外字）があります。ふつうの文字で書いてください"_s);
    QCOMPARE(run.out.at(1),
             u"romaji.txt:2: a private-use character (U+E000) that no font can show; write the "
             u"word with ordinary characters"_s);
    QVERIFY(utf8.open(QIODevice::WriteOnly | QIODevice::Truncate));
    utf8.write("ne ko,\xE3\x81\xAD\xE3\x81\x93\r\n");
    utf8.close();
    run = runChecker({u"romaji.txt"_s}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out.at(1), u"romaji.txt:1: answer 'ne ko' holds a blank at letter 3; a blank tile adds no "
                            u"letter, so the word could never be answered"_s);

    // What is not a file is refused as the game refuses it, without waiting on it or reading it forever.
    QVERIFY(QFile::link(u"/dev/zero"_s, dir.filePath(u"zero.txt"_s)));
    run = runChecker({u"zero.txt"_s}, dir.path());
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(
                 u"cannot read zero.txt: it is a character device (a link to /dev/zero), not a file"_s),
             qPrintable(run.err));

    // An empty bank leaves the game nothing to ask.
    QVERIFY(utf8.open(QIODevice::WriteOnly | QIODevice::Truncate));
    utf8.close();
    run = runChecker({u"romaji.txt"_s}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out.at(1), u"romaji.txt: the bank holds no words; the game refuses it"_s);
}

void TestBankCheck::bankRecords() {
    QCOMPARE(described(checkBank(recordsOf(u"inu,いぬ\r\nneko,ねこ\r\ninu,いぬ\r\nwanko,いぬ\r\n"_s, 2))),
             (QStringList{u"3: 'inu,いぬ' repeats line 1"_s,
                          u"4: answer 'wanko' is not a spelling of いぬ (expected e.g. inu)"_s,
                          u"4: word いぬ is already on line 1"_s}));
    QCOMPARE(described(checkBank(recordsOf(u",ねこ\r\nneko,\r\nro^maji,ローマ字\r\n"_s, 2))),
             (QStringList{u"1: the answer is empty"_s, u"2: the word is empty"_s,
                          u"3: word 'ローマ字' cannot be read as kana: '字' is not kana"_s}));
    // 24 letters as written, 36 in Hepburn: the game refuses it, and so does the checker.
    QVERIFY(described(checkBank(recordsOf(u"tutututututututututututu,つつつつつつつつつつつつ\r\n"_s, 2)))
                .join(u'|')
                .startsWith(u"1: the answer 'tutututututututututututu' is 36 letters long in Hepburn"_s));
    QCOMPARE(checkBank(recordsOf(u"ro^maji,ローマ字\r\n"_s, 2)).first().japanese,
             u"ことば「ローマ字」をかなとして読めません：「字」はかなではありません"_s);
    // A line with a third field is passed over (the layout check names it); the lines after it are checked.
    QCOMPARE(described(checkBank(recordsOf(u"inu,いぬ,x\r\nneko,ねこ\r\nbad,さくら\r\n"_s, 2))),
             QStringList{u"3: answer 'bad' is not a spelling of さくら (expected e.g. sakura)"_s});
    // So is a line whose double quote is never closed, with the game's own words.
    const RecordList quoted = readRecords("inu,\"いぬ\r\nneko,ねこ\r\n", 2);
    QCOMPARE(described(quoted.faults), QStringList{u"1: a double quote opened here is never closed"_s});
    QCOMPARE(quoted.records.size(), 1);

    // 401 words fit the game's tables; the 402nd is refused where it stands.
    const QStringList kana = u"か き く け こ な に ぬ ね の ま み む め も ら り る れ ろ や"_s.split(u' ');
    const QStringList romaji =
        u"ka ki ku ke ko na ni nu ne no ma mi mu me mo ra ri ru re ro ya"_s.split(u' ');
    QString text;
    for (int i = 0; i < kMaxWords; ++i) {
        const int a = i / kana.size(), b = i % kana.size();
        text += romaji[a] + romaji[b] + u',' + kana[a] + kana[b] + u"\r\n"_s;
    }
    QVERIFY(checkBank(recordsOf(text, 2)).isEmpty());
    text += u"i,い\r\n"_s;
    QCOMPARE(described(checkBank(recordsOf(text, 2))),
             QStringList{u"402: this is word 402; the game holds at most 401 words and stops here"_s});
}

void TestBankCheck::practiceRecords() {
    const QString full = fullPracticeText();
    QVERIFY(checkPractice(recordsOf(full, 3)).isEmpty());
    const QString extra = u"si,し,11\r\no,を,49\r\nkiyu,きゅ,36\r\nnu,ぬ,104\r\nnu,ぬ,-1\r\nha,は,x\r\n"
                          u"ji,じ(ぢ),61\r\n,あ,0\r\n"_s;
    QCOMPARE(
        described(checkPractice(recordsOf(full + extra, 3))),
        (QStringList{u"106: prompt 'o' is also used for label 4 (お) on line 5; the player cannot tell which "
                     u"label is meant"_s,
                     u"107: prompt 'kiyu' is not a spelling of きゅ (expected e.g. kyu)"_s,
                     u"108: label number 104 names no chart label; they are 0 to 103"_s,
                     u"109: label number -1 names no chart label; they are 0 to 103"_s,
                     u"110: label number 'x' is not a whole number"_s,
                     u"111: answer 'じ(ぢ)' is not the caption of label 61 (じ)"_s,
                     u"112: the prompt is empty"_s}));

    // The parenthesised captions accept a prompt for either kana.
    QVERIFY(checkPractice(recordsOf(full + u"dya,じゃ(ぢゃ),95\r\nzyo,じょ(ぢょ),97\r\n"_s, 3)).isEmpty());

    // Labels nobody names: a few by caption, many as runs of numbers.
    QCOMPARE(
        described(checkPractice(recordsOf(full.section(u"\r\n"_s, 2), 3))),
        QStringList{u"0: no record names label 0 (あ), label 1 (い); a practice run finishes only when all "
                    u"104 chart labels can be answered"_s});
    QCOMPARE(
        described(checkPractice(recordsOf(u"a,あ,0\r\nu,う,2\r\n"_s, 3))),
        QStringList{u"0: no record names labels 1, 3-103 (102 labels); a practice run finishes only when "
                    u"all 104 chart labels can be answered"_s});

    // 201 records fit; the 202nd is refused.
    QString many = full;
    for (int i = kChartLabelCount; i < kMaxPracticeRecords; ++i)
        many += u"a,あ,0\r\n"_s;
    QVERIFY(checkPractice(recordsOf(many, 3)).isEmpty());
    QCOMPARE(described(checkPractice(recordsOf(many + u"a,あ,0\r\n"_s, 3))),
             QStringList{u"202: this is record 202; the game holds at most 201 and stops here"_s});
}

void TestBankCheck::lineLayout_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("clean") << "inu,\x82\xa2\x82\xca\r\n\"a,b\",c\r\n"_ba << QStringList();
    QTest::newRow("any line end, blanks after the end")
        << "a,b\nc,d\re,f\r\ng,h\r\n \r\n\n"_ba << QStringList();
    QTest::newRow("no last line end") << "a,b\r\nc,d"_ba << QStringList();
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("faults") << "a,b\r\n \r\nc,d,e\nf\r\ng,h\r\n"_ba
                            << QStringList{
                                   u"2: the line is blank; the game would read the lines after it out "
                                   u"of step, so delete it"_s,
                                   u"3: the line holds 3 field(s); each line holds 2: answer,word"_s,
                                   u"4: the line holds 1 field(s); each line holds 2: answer,word"_s};
    QTest::newRow("quotes") << "\"a\r\nb,c\"x\r\n\"d\"e\"f,g\r\nh,\"i\r\nj\r\n"_ba
                            << QStringList{u"1: the line holds 1 field(s); each line holds 2: answer,word "
                                           u"(a double quote carries it on to line 2)"_s,
                                           u"5: the line holds 1 field(s); each line holds 2: answer,word"_s};
}

void TestBankCheck::lineLayout() {
    QFETCH(QByteArray, bytes);
    QTEST(described(checkLineLayout(bytes, bankShape())), "findings");
}

void TestBankCheck::shippedBankUsesEveryChartKana() {
    const RecordList list = readShipped("romaji.txt", 2);
    QVERIFY(list.faults.isEmpty());
    QVERIFY2(list.records.size() >= 300 && list.records.size() <= 400,
             qPrintable(QString::number(list.records.size())));

    QSet<QString> used;
    int hiraganaMarks = 0, katakanaMarks = 0, doubled = 0, syllabicN = 0;
    for (const Record& r : list.records) {
        const QString& word = r.fields[1];
        QCOMPARE(r.fields[0], r.fields[0].toLower());
        const Romanisation romanisation = romanise(word);
        QVERIFY2(romanisation.ok(), qPrintable(word));
        for (const QString& kana : romanisation.kana) {
            used.insert(kana.startsWith(u'っ') ? kana.sliced(1) : kana);
            doubled += kana.startsWith(u'っ');
            syllabicN += kana == u"ん"_s;
        }
        const bool katakana = word.contains(QRegularExpression(u"[ァ-ヶ]"_s));
        if (r.fields[0].contains(u'^')) ++(katakana ? katakanaMarks : hiraganaMarks);
    }
    for (int label = 0; label < kChartLabelCount; ++label) {
        const QStringList kana = captionKana(chartCaption(label));
        const bool any =
            std::any_of(kana.begin(), kana.end(), [&](const QString& k) { return used.contains(k); });
        QVERIFY2(any, qPrintable(chartCaption(label)));
    }
    QVERIFY(doubled >= 5);
    QVERIFY(syllabicN >= 5);
    QVERIFY(hiraganaMarks >= 5);
    QVERIFY(katakanaMarks >= 5);
}

void TestBankCheck::shippedPracticeDataFollowsTheChart() {
    const RecordList list = readShipped("romajimojiren.txt", 3);
    QVERIFY(list.faults.isEmpty());
    QVERIFY(list.records.size() >= kChartLabelCount && list.records.size() <= kMaxPracticeRecords);
    QCOMPARE(list.records[0].fields, (QStringList{u"a"_s, u"あ"_s, u"0"_s}));
    for (int label = 0; label < kChartLabelCount; ++label) {
        QCOMPARE(list.records[label].fields[2], QString::number(label));
        QCOMPARE(list.records[label].fields[1], chartCaption(label));
    }
    QCOMPARE(list.records[95].fields, (QStringList{u"ja"_s, u"じゃ(ぢゃ)"_s, u"95"_s}));
}

QTEST_GUILESS_MAIN(TestBankCheck)
#include "test_bankcheck.moc"
