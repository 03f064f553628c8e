// SPDX-License-Identifier: MIT
// Bad data files. Every file of the corpus under tests/data/bad/romaji/ (met at start-up) and
// tests/data/bad/romajimojiren/ (met when the practice screen opens) either loads with the result the
// reading rules give, or stops with one error that names the file and the line at fault; never a crash or
// a hang. Huge files, and what git cannot hold (a FIFO, a folder, links to devices that never end), are
// made here rather than kept in the corpus. An input that made a fuzz target fail joins the corpus with
// its outcome stated below.
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string bankFile = "romaji.txt";

struct Expected {
    std::string file;
    int records = -1;          // the file loads with this many records; -1: it stops with an error
    std::string first, second; // the last record loaded: answer and word, or prompt and kana
    int label = 0;             // and its label number (practice data)
    int line = 0;              // the line the error names
    std::string fault;         // what the error says about that line
};

Expected loads(const char* file, int records, const std::string& first = {}, const std::string& second = {},
               int label = 0) {
    return {file, records, first, second, label};
}

Expected fails(const char* file, int line, const char* fault) {
    return {file, -1, {}, {}, 0, line, fault};
}

std::string corpusFile(const std::string& folder, const std::string& name) {
    const std::string path = POKURAKU_TEST_DATA "/bad/" + folder + "/" + name;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Every file of a corpus folder has its expected outcome, and every case its file.
void checkCorpusIsCovered(const std::string& folder, const std::vector<Expected>& cases) {
    std::vector<std::string> named, found;
    for (const Expected& e : cases)
        named.push_back(e.file);
    for (const fs::directory_entry& entry : fs::directory_iterator(POKURAKU_TEST_DATA "/bad/" + folder))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
            found.push_back(entry.path().filename().string());
    std::sort(named.begin(), named.end());
    std::sort(found.begin(), found.end());
    ASSERT_EQ(found, named);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

void checkFault(const Expected& e, const std::string& dataFile, const std::string& path,
                const RecordingErrors& errors) {
    ASSERT_EQ(errors.details.size(), 1u) << testing::PrintToString(errors.details);
    const std::string& detail = errors.details[0];
    const std::string where =
        e.line > 0 ? dataFile + ", line " + std::to_string(e.line) + ": " : dataFile + ": ";
    ASSERT_TRUE(detail.starts_with(where + e.fault)) << detail;
    ASSERT_TRUE(contains(errors.playerTexts[0], dataFile)) << errors.playerTexts[0];
    if (e.line > 0) {
        ASSERT_TRUE(contains(errors.playerTexts[0], std::to_string(e.line) + " 行目"));
    }
    // The full path says which file: the player's own, the working folder's or the installed one.
    ASSERT_TRUE(detail.ends_with(" (" + path + ")")) << detail;
    ASSERT_TRUE(contains(errors.playerTexts[0], path));
}

// Starts a game on the given bytes as romaji.txt and checks the outcome the case expects.
void checkBank(const Expected& e, const std::string& bytes) {
    SCOPED_TRACE(e.file);
    GameFixture game(std::nullopt);
    game.writeBytes(bankFile, bytes);
    game.start();
    const MainScreen& f = game.program->mainScreen();
    if (e.records < 0) {
        checkFault(e, bankFile, game.dir.filePath(bankFile), game.errors);
        return;
    }
    ASSERT_EQ(game.errors.details, std::vector<std::string>{});
    ASSERT_EQ(f.state().questionCount, e.records);
    if (e.records == 0) return;
    ASSERT_EQ(f.state().romajiList[e.records - 1], e.first);
    ASSERT_EQ(f.state().wordList[e.records - 1], e.second);
    // The first question is one of the words loaded.
    ASSERT_TRUE(std::find(f.state().wordList.begin(), f.state().wordList.begin() + e.records,
                          f.state().questionWord) != f.state().wordList.begin() + e.records);
}

// Starts a game, opens the practice screen from the menu over the given bytes as romajimojiren.txt and
// checks the outcome the case expects.
void checkPractice(const Expected& e, const std::string& bytes) {
    SCOPED_TRACE(e.file);
    GameFixture game;
    game.writeBytes(practiceDataFile, bytes);
    game.start();
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    const PracticeScreen& r = game.program->practiceScreen();
    if (e.records < 0) {
        checkFault(e, practiceDataFile, game.dir.filePath(practiceDataFile), game.errors);
        return;
    }
    ASSERT_EQ(game.errors.details, std::vector<std::string>{});
    ASSERT_TRUE(r.isVisible());
    ASSERT_EQ(r.state().table.recordCount, e.records);
    if (e.records == 0) return;
    const auto last = static_cast<std::size_t>(e.records - 1);
    ASSERT_EQ(r.state().table.promptList[last], e.first);
    ASSERT_EQ(r.state().table.answerList[last], e.second);
    ASSERT_EQ(int(r.state().table.labelList[last]), e.label);
}

template <class Check>
void checkAll(const std::string& folder, const std::vector<Expected>& cases, Check check) {
    ASSERT_NO_FATAL_FAILURE(checkCorpusIsCovered(folder, cases));
    for (const Expected& e : cases) {
        check(e, corpusFile(folder, e.file));
        if (testing::Test::HasFatalFailure()) return;
    }
}

} // namespace

TEST(BadData, romajiCorpus) {
    const char* cutShort = "the file ends in the middle of a record";
    const char* notShiftJis = "bytes that are not valid Shift_JIS";
    checkAll(
        "romaji",
        {
            // A file with no word would deal no tile: refused, however it got so.
            fails("empty.txt", 0, "the file holds no word"),
            fails("blank-lines-only.txt", 0, "the file holds no word"),
            fails("bom-only.txt", 0, "the file holds no word"),
            fails("ctrl-z-only.txt", 0, "the file holds no word"),
            fails("quote-never-closed.txt", 1, "a double quote opened here is never closed"),
            fails("quote-never-closed-line2.txt", 2, "a double quote opened here is never closed"),
            // A quoted field runs to its closing quote, across a line end.
            loads("quote-across-lines.txt", 2, "neko", "ねこ"),
            fails("nul-byte.txt", 1, "the line holds a NUL byte"),
            fails("nul-byte-line3.txt", 3, "the line holds a NUL byte"),
            fails("cp932-lead-byte-at-line-end.txt", 2, notShiftJis),
            fails("cp932-unassigned-pair.txt", 1, notShiftJis),
            fails("cp932-undefined-byte.txt", 1, notShiftJis),
            // Valid UTF-8 that is not plain ASCII is read as UTF-8, with or without a byte-order mark.
            loads("utf8-with-bom.txt", 1, "inu", "いぬ"),
            loads("utf8-without-bom.txt", 2, "neko", "ねこ"),
            loads("utf8-emoji.txt", 2, "neko", "🐱"),
            fails("utf8-with-bom-then-shift-jis.txt", 2, "bytes that are not valid UTF-8 at byte"),
            // Characters no font shows: the user-defined area of Shift_JIS, private use in UTF-8.
            fails("cp932-user-defined.txt", 2, "a user-defined character (U+E000, Shift_JIS F040 to F9FC)"),
            fails("utf8-private-use.txt", 2, "a private-use character (U+E000)"),
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
            fails("only-commas.txt", 1, "the answer is empty"),
            fails("tab-instead-of-comma.txt", 1, cutShort),
            // The end-of-file mark (Ctrl-Z) of an old editor ends the file; inside a line it stays a
            // character.
            loads("ctrl-z-after-last-line.txt", 1, "inu", "いぬ"),
            loads("ctrl-z-twice-at-end.txt", 1, "inu", "いぬ"),
            loads("ctrl-z-inside-word.txt", 1, "inu", "い\x1Aぬ"),
            // An answer the tiles cannot spell: none at all, or one holding a blank.
            fails("empty-answer.txt", 2, "the answer for 'ねこ' is empty"),
            fails("empty-answer-quoted.txt", 2, "the answer for 'ねこ' is empty"),
            fails("answer-with-blank.txt", 2, "the answer 'ne ko' holds a blank at letter 3"),
            fails("answer-with-ideographic-space.txt", 1, "the answer 'ne　ko' holds a blank at letter 3"),
            fails("answer-quoted-with-leading-blank.txt", 1, "the answer ' neko' holds a blank at letter 1"),
            loads("blanks-before-fields.txt", 1, "inu", "いぬ"),
            loads("quoted-answer-with-comma.txt", 1, "a,b", "えー"),
            loads("quote-inside-field.txt", 1, "in\"u", "いぬ"),
            loads("text-after-closing-quote.txt", 1, "inu", "いぬ"),
            loads("halfwidth-katakana.txt", 1, "neko", "ﾈｺ"),
            loads("answer-24-letters.txt", 1, "abcdefghijklmnopqrstuvwx", "ながい"),
            fails("answer-25-letters.txt", 1, "the answer 'abcdefghijklmnopqrstuvwxy' is 25 letters long"),
            fails("answer-too-long-line3.txt", 3,
                  "the answer 'ro^ma^ji^ro^ma^ji^ro^ma^ji^' is 27 letters long"),
            // Any spelling may be chosen once the list is in: tu grows to tsu in Hepburn.
            fails("answer-grows-in-hepburn.txt", 1,
                  "the answer 'tutututututututututututu' is 36 letters long in Hepburn"),
            loads("records-401.txt", 401, "w400", "ことば400"),
            fails("records-402.txt", 402, "more than 401 records"),
        },
        checkBank);
}

TEST(BadData, practiceCorpus) {
    const char* notOnChart = "the label number";
    checkAll(
        "romajimojiren",
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
            loads("utf8-with-bom.txt", 1, "a", "あ", 0),
            loads("utf8-without-bom.txt", 2, "ka", "か", 5),
            loads("ctrl-z-after-last-line.txt", 2, "ka", "か", 5),
            fails("cp932-user-defined.txt", 2, "a user-defined character"),
            loads("lf-line-ends.txt", 2, "ka", "か", 5),
            loads("halfwidth-katakana.txt", 1, "kya", "ｷｬ", 73),
        },
        checkPractice);
}

TEST(BadData, hugeFiles) {
    // Just under the 1 MiB limit: long fields are read like any other.
    const std::string long_(1000 * 1000, 'a');
    checkBank(fails("1 MB answer", 1,
                    "the answer 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' is 1000000 letters long"),
              long_ + ",x\r\n");
    checkBank(fails("1 MB line without a comma", 2, "the file ends in the middle of a record"),
              "inu,\x82\xa2\x82\xca\r\n" + long_ + "\r\n");
    checkBank(fails("1 MB quoted field never closed", 1, "a double quote opened here is never closed"),
              "\"" + long_ + "\r\n");
    // A long word is no fault: only the answer has to fit the tiles.
    checkBank(loads("1 MB word", 1, "inu", long_), "inu," + long_ + "\r\n");
    checkPractice(loads("1 MB prompt", 1, long_, "あ", 0), long_ + ",\x82\xa0,0\r\n");
    checkPractice(fails("1 MB label", 1, "'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' is not a whole number"),
                  "a,\x82\xa0," + long_ + "\r\n");
    // Exactly at the limit still loads; one byte more does not.
    const std::string word(1024 * 1024 - 6, 'b');
    checkBank(loads("file of exactly 1 MiB", 1, "inu", word), "inu," + word + "\r\n");
    checkBank(fails("file of 1 MiB and a byte", 0,
                    "the file is too large (1048577 bytes; the game reads at most "
                    "1048576)"),
              "inu," + word + "b\r\n");

    for (const std::string& name : {bankFile, std::string(practiceDataFile)}) {
        // A 60 MB file is refused before anything of it is read (a sparse file: nothing is written).
        GameFixture game;
        game.writeText(practiceDataFile, "a,あ,0\r\n");
        std::error_code failed;
        std::ofstream(game.dir.filePath(name), std::ios::binary).close();
        fs::resize_file(game.dir.filePath(name), 60 * 1000 * 1000, failed);
        ASSERT_FALSE(failed) << failed.message();
        game.start();
        if (name == practiceDataFile)
            game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
        ASSERT_EQ(game.errors.details.size(), 1u);
        ASSERT_TRUE(game.errors.details[0].starts_with(name + ": the file is too large (60000000 bytes"))
            << game.errors.details[0];
    }
    {
        GameFixture game(std::nullopt);
        game.start();
        ASSERT_EQ(game.errors.details.size(), 1u);
        ASSERT_TRUE(game.errors.details[0].starts_with("romaji.txt: file not found"));
    }
}

// What stands in a data file's place is not a file: the start must neither wait on it nor read without
// end, and the message says what it is.
TEST(BadData, notAFile) {
    const struct {
        const char* name;
        std::string kind;   // fifo, folder, or link
        const char* target; // what the link leads to
        std::string reason;
    } rows[] = {
        {"FIFO", "fifo", "", "it is a named pipe (FIFO), not a file"},
        {"folder", "folder", "", "it is a folder, not a file"},
        // Endless input: a link to /dev/zero or /dev/urandom never reaches its end.
        {"link to /dev/zero", "link", "/dev/zero",
         "it is a character device (a link to /dev/zero), not a file"},
        {"link to /dev/urandom", "link", "/dev/urandom", "it is a character device (a link to /dev/urandom)"},
        {"link to /dev/null", "link", "/dev/null", "it is a character device (a link to /dev/null)"},
        {"link to nothing", "link", "nothing", "cannot open the file (a link to "},
    };
    for (const std::string& name : {bankFile, std::string(practiceDataFile)}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(name + " " + row.name);
            GameFixture game;
            const std::string path = game.dir.filePath(name);
            fs::remove(path);
            if (row.kind == "fifo") {
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            }
            if (row.kind == "folder") {
                ASSERT_TRUE(fs::create_directory(path));
            }
            if (row.kind == "link") {
                std::error_code failed;
                fs::create_symlink(row.target, path, failed);
                ASSERT_FALSE(failed) << failed.message();
            }
            game.start();
            if (name == practiceDataFile)
                game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
            ASSERT_EQ(game.errors.details.size(), 1u);
            const std::string& detail = game.errors.details[0];
            ASSERT_TRUE(detail.starts_with(name + ": " + row.reason)) << detail;
            ASSERT_TRUE(detail.ends_with(" (" + path + ")")) << detail;
            ASSERT_TRUE(contains(game.errors.playerTexts[0], path));
        }
    }
}
