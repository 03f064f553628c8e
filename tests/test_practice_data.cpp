// SPDX-License-Identifier: MIT
// Reading the practice data: the 201-entry table's bounds, quoted fields, an empty file, and every bad file
// stopping the program with an error that names romajimojiren.txt and the line to mend.
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/data/practicedata.h"
#include "support/practicechart.h"
#include "support/stdstring.h"
#include <QtTest>

class PracticeDataTest : public QObject {
    Q_OBJECT
private slots:
    void tableBounds();
    void fieldsAsWritten();
    void badFilesStopWithFileAndLine();
    void missingFileEndsTheVisit();
};

namespace {
QString records(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("p%1,あ,%2\r\n").arg(i).arg(i % 104);
    return text;
}
} // namespace

void PracticeDataTest::tableBounds() {
    {
        GameFixture game;
        PracticeScreen& r = openPractice(game, records(201));
        QVERIFY(game.errors.details.isEmpty());
        QCOMPARE(r.state().table.recordCount, 201);
        QCOMPARE(QString::fromStdString(r.state().table.promptList[200]), QStringLiteral("p200"));
        QCOMPARE(r.state().table.labelList[200], 200 % 104);
        QCOMPARE(r.state().table.labelList[103], 103);
    }
    {
        // An empty file is no error: the table is empty and the first target holds nothing to find.
        GameFixture game;
        PracticeScreen& r = openPractice(game, QString());
        QVERIFY(game.errors.details.isEmpty());
        QCOMPARE(r.state().table.recordCount, 0);
        r.onStartClicked();
        QCOMPARE(r.controls().promptLabel->text(), QString());
        r.onChartLabelClicked(0);
        QCOMPARE(r.state().correctCount, 0);
        QCOMPARE(r.controls().countLabel->text(), QStringLiteral("0こ"));
    }
}

void PracticeDataTest::fieldsAsWritten() {
    // Quoted text may hold a comma; blanks before a field are skipped; the reader counts fields, not lines.
    FieldReader reader(practiceDataFile,
                       "\"a,b\",  あ, 0\r\nka,か\r\n5\r\nkya,きゃ,80\r\n\"じゃ\",\"じゃ(ぢゃ)\",95");
    const PracticeTable t = readPracticeRecords(reader);
    QCOMPARE(t.recordCount, 4);
    QCOMPARE(QString::fromStdString(t.promptList[0]), QStringLiteral("a,b"));
    QCOMPARE(QString::fromStdString(t.answerList[0]), QStringLiteral("あ"));
    QCOMPARE(t.labelList[0], 0);
    QCOMPARE(QString::fromStdString(t.promptList[1]), QStringLiteral("ka"));
    QCOMPARE(t.labelList[1], 5);
    QCOMPARE(QString::fromStdString(t.answerList[2]), QStringLiteral("きゃ"));
    QCOMPARE(t.labelList[3], 95);
    QCOMPARE(QString::fromStdString(t.answerList[3]), QStringLiteral("じゃ(ぢゃ)"));
    // A file ending with blank lines after its last record holds no extra record.
    FieldReader trailing(practiceDataFile, "a,あ,0\r\n\r\n  \r\n");
    QCOMPARE(readPracticeRecords(trailing).recordCount, 1);
}

void PracticeDataTest::badFilesStopWithFileAndLine() {
    struct Case {
        const char* name;
        QString text;
        const char* expected;
    };
    const QList<Case> cases = {
        {"202 records", records(202), "romajimojiren.txt, line 202: more than 201 records"},
        {"cut off", QStringLiteral("a,あ,0\r\nka,か\r\n"),
         "romajimojiren.txt, line 2: the file ends in the middle"},
        {"label 104", QStringLiteral("a,あ,0\r\nka,か,104\r\n"),
         "romajimojiren.txt, line 2: the label number 104"},
        {"label -1", QStringLiteral("a,あ,-1\r\n"), "romajimojiren.txt, line 1: the label number -1"},
        {"not a number", QStringLiteral("a,あ,0\r\nb,い,1\r\nka,か,five\r\n"),
         "romajimojiren.txt, line 3: 'five' is not a whole number"},
        {"beyond 16 bits", QStringLiteral("a,あ,40000\r\n"),
         "romajimojiren.txt, line 1: the number 40000 is outside"},
    };
    for (const Case& c : cases) {
        // The reader on its own…
        FieldReader reader(practiceDataFile, c.text.toStdString());
        try {
            readPracticeRecords(reader);
            QFAIL(c.name);
        } catch (const DataFileError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).startsWith(QLatin1String(c.expected)), e.what());
            QCOMPARE(QString::fromStdString(e.file()), QString(practiceDataFile));
        }
        // …and through the screen: the error box names the file, and the program ends.
        GameFixture game;
        openPractice(game, c.text);
        QVERIFY2(game.errors.details.size() == 1, c.name);
        QVERIFY2(game.errors.details[0].startsWith(QLatin1String(c.expected)),
                 qPrintable(game.errors.details[0]));
        QVERIFY(game.errors.playerTexts[0].contains(practiceDataFile));
    }
}

void PracticeDataTest::missingFileEndsTheVisit() {
    GameFixture game;
    game.start();
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    QCOMPARE(game.errors.details.size(), 1);
    QVERIFY(game.errors.details[0].startsWith(practiceDataFile));
    QVERIFY(game.errors.details[0].contains(game.dir.path()));
    QVERIFY(game.errors.playerTexts[0].contains(QStringLiteral("見つかりません")));
    try {
        loadPracticeTable(game.dir.filePath(practiceDataFile).toStdString());
        QFAIL("a missing file must not load");
    } catch (const DataFileError& e) {
        QCOMPARE(e.line(), 0);
    }
}

QTEST_MAIN(PracticeDataTest)
#include "test_practice_data.moc"
