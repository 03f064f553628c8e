// SPDX-License-Identifier: MIT
// Reading the practice data: the 201-entry table's bounds, quoted fields, an empty file, and every bad file
// stopping the program with an error that names romajimojiren.txt and the line to mend.
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/data/practicedata.h"
#include "support/practicechart.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {
std::string records(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "p" + std::to_string(i) + ",あ," + std::to_string(i % 104) + "\r\n";
    return text;
}
} // namespace

TEST(PracticeData, tableBounds) {
    {
        GameFixture game;
        PracticeScreen& r = openPractice(game, records(201));
        ASSERT_TRUE(game.errors.details.empty());
        ASSERT_EQ(r.state().table.recordCount, 201);
        ASSERT_EQ(r.state().table.promptList[200], "p200"s);
        ASSERT_EQ(r.state().table.labelList[200], 200 % 104);
        ASSERT_EQ(r.state().table.labelList[103], 103);
    }
    {
        // An empty file is no error: the table is empty and the first target holds nothing to find.
        GameFixture game;
        PracticeScreen& r = openPractice(game, std::string());
        ASSERT_TRUE(game.errors.details.empty());
        ASSERT_EQ(r.state().table.recordCount, 0);
        r.onStartClicked();
        ASSERT_EQ(r.controls().promptLabel->text(), std::string());
        r.onChartLabelClicked(0);
        ASSERT_EQ(r.state().correctCount, 0);
        ASSERT_EQ(r.controls().countLabel->text(), "0こ"s);
    }
}

TEST(PracticeData, fieldsAsWritten) {
    // Quoted text may hold a comma; blanks before a field are skipped; the reader counts fields, not lines.
    FieldReader reader(practiceDataFile,
                       "\"a,b\",  あ, 0\r\nka,か\r\n5\r\nkya,きゃ,80\r\n\"じゃ\",\"じゃ(ぢゃ)\",95");
    const PracticeTable t = readPracticeRecords(reader);
    ASSERT_EQ(t.recordCount, 4);
    ASSERT_EQ(t.promptList[0], "a,b"s);
    ASSERT_EQ(t.answerList[0], "あ"s);
    ASSERT_EQ(t.labelList[0], 0);
    ASSERT_EQ(t.promptList[1], "ka"s);
    ASSERT_EQ(t.labelList[1], 5);
    ASSERT_EQ(t.answerList[2], "きゃ"s);
    ASSERT_EQ(t.labelList[3], 95);
    ASSERT_EQ(t.answerList[3], "じゃ(ぢゃ)"s);
    // A file ending with blank lines after its last record holds no extra record.
    FieldReader trailing(practiceDataFile, "a,あ,0\r\n\r\n  \r\n");
    ASSERT_EQ(readPracticeRecords(trailing).recordCount, 1);
}

TEST(PracticeData, badFilesStopWithFileAndLine) {
    struct Case {
        const char* name;
        std::string text;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"202 records", records(202), "romajimojiren.txt, line 202: more than 201 records"},
        {"cut off", "a,あ,0\r\nka,か\r\n"s, "romajimojiren.txt, line 2: the file ends in the middle"},
        {"label 104", "a,あ,0\r\nka,か,104\r\n"s, "romajimojiren.txt, line 2: the label number 104"},
        {"label -1", "a,あ,-1\r\n"s, "romajimojiren.txt, line 1: the label number -1"},
        {"not a number", "a,あ,0\r\nb,い,1\r\nka,か,five\r\n"s,
         "romajimojiren.txt, line 3: 'five' is not a whole number"},
        {"beyond 16 bits", "a,あ,40000\r\n"s, "romajimojiren.txt, line 1: the number 40000 is outside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The reader on its own…
        FieldReader reader(practiceDataFile, c.text);
        try {
            readPracticeRecords(reader);
            FAIL();
        } catch (const DataFileError& e) {
            ASSERT_TRUE(std::string(e.what()).starts_with(c.expected)) << e.what();
            ASSERT_EQ(e.file(), practiceDataFile);
        }
        // …and through the screen: the error box names the file, and the program ends.
        GameFixture game;
        openPractice(game, c.text);
        ASSERT_EQ(game.errors.details.size(), 1u);
        ASSERT_TRUE(game.errors.details[0].starts_with(c.expected)) << game.errors.details[0];
        ASSERT_NE(game.errors.playerTexts[0].find(practiceDataFile), std::string::npos);
    }
}

TEST(PracticeData, missingFileEndsTheVisit) {
    GameFixture game;
    game.start();
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    ASSERT_EQ(game.errors.details.size(), 1u);
    ASSERT_TRUE(game.errors.details[0].starts_with(practiceDataFile));
    ASSERT_NE(game.errors.details[0].find(game.dir.path().string()), std::string::npos);
    ASSERT_NE(game.errors.playerTexts[0].find("見つかりません"), std::string::npos);
    try {
        loadPracticeTable(game.dir.filePath(practiceDataFile));
        FAIL() << "a missing file must not load";
    } catch (const DataFileError& e) {
        ASSERT_EQ(e.line(), 0);
    }
}
