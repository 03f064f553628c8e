// SPDX-License-Identifier: MIT
// The learning record: rows that survive the store, a summary of known answers, the review's deal and the
// table a teacher opens.
#include "screens/practice/rules.h"
#include "services/random/random.h"
#include "services/record/csv.h"
#include "services/record/record.h"
#include "services/record/review.h"
#include "services/record/rowcodec.h"
#include "services/record/summary.h"
#include "support/gamefixture.h"
#include <gtest/gtest.h>
#include <numeric>
#include <set>

using namespace record;

namespace {
constexpr Time noon = 1767268800; // 2026-01-01 12:00 UTC
constexpr Time day = 86400;

WordPlayed word(const std::string& w, const std::string& answer, bool firstOk,
                std::vector<std::string> missed = {}, Time time = noon, PlayerId player = firstPlayer) {
    return {player, time, time - 600,       w, answer, "kunrei", firstOk, firstOk ? 0 : 1,
            0,      30,   std::move(missed)};
}

// Splits RFC 4180 text into rows of fields.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows{{""}};
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted && ch == '"' && i + 1 < text.size() && text[i + 1] == '"')
            rows.back().back() += text[++i];
        else if (ch == '"')
            quoted = !quoted;
        else if (!quoted && ch == ',')
            rows.back().emplace_back();
        else if (!quoted && ch == '\r' && text[i + 1] == '\n' && ++i)
            rows.push_back({""});
        else
            rows.back().back() += ch;
    }
    rows.pop_back();
    return rows;
}
} // namespace

TEST(RecordRows, everyEntryComesBackAsItWent) {
    const Entry entries[] = {
        word("つくえ\tの\nうえ", "tu,ku\\e", false, {"つ", "く,え"}),
        PracticeAnswer{2, noon, "じゃ", true, 4},
        GamePlayed{1, noon, noon + 300, -15, 3, 5},
        PlayerAdded{7, "はなこ\t2"},
        PlayerRenamed{7, "はな"},
        PlayerRemoved{1},
        DayTotals{3, 20454, 9, 4, 200, 5, 2, {{"つ", 3}}, {{"つくえ\ttukue", 2}}},
    };
    for (const Entry& e : entries) {
        const Row row = encode(e);
        EXPECT_EQ(row.find_first_of("\n\r"), std::string::npos);
        const std::optional<Entry> back = decode(row);
        ASSERT_TRUE(back) << row;
        EXPECT_EQ(encode(*back), row);
    }
    EXPECT_EQ(std::get<WordPlayed>(*decode(encode(entries[0]))).missed[1], "く,え");
}

TEST(RecordRows, aDamagedRowIsSkippedAndCounted) {
    MemoryStore store;
    store.rows = {encode(word("いぬ", "inu", true)),
                  "r1\tW\t1\t2",
                  "r9\tA\t5\tx",
                  "r1\tG\t1\t2\t3\t4\t5\tsix",
                  "r1\tA\t5\tbad\\q",
                  encode(PlayerAdded{5, "たろう"}),
                  ""};
    Record record(&store);
    record.load(nullptr);
    EXPECT_EQ(record.entries().size(), 2u);
    EXPECT_EQ(record.skippedRows(), 5);
    EXPECT_EQ(record.nameOf(5), "たろう");
}

TEST(RecordModel, playersAndWhatIsKeptOfThem) {
    MemoryStore store;
    Record record(&store);
    record.add(word("いぬ", "inu", true)); // before the store answered: kept, then written
    EXPECT_TRUE(store.rows.empty());
    record.load(nullptr);
    record.load(nullptr); // a new game: read once only
    EXPECT_EQ(store.rows.size(), 1u);
    EXPECT_EQ(record.entries().size(), 1u);
    const PlayerId hanako = record.addPlayer("はなこ");
    record.add(word("ねこ", "neko", false, {"ね"}, noon, hanako));
    record.renamePlayer(hanako, "はな");
    EXPECT_EQ(record.players().size(), 2u);
    EXPECT_EQ(record.nameOf(hanako), "はな");
    record.clearPlayer(hanako);
    EXPECT_EQ(summarise(record.entries(), hanako).words, 0);
    EXPECT_EQ(record.nameOf(hanako), "はな");
    record.removePlayer(firstPlayer);
    EXPECT_EQ(record.players().size(), 1u);
    Record again(&store);
    again.load(nullptr);
    EXPECT_EQ(again.players().front().name, "はな");
    EXPECT_EQ(summarise(again.entries(), firstPlayer).words, 0);
}

TEST(RecordModel, oldDaysFoldIntoTotalsPastTheLimit) {
    MemoryStore store;
    Record record(&store, 20);
    record.load(nullptr);
    for (int i = 0; i < 21; ++i)
        record.add(word("つくえ", "tukue", i % 3 != 0,
                        i % 3 ? std::vector<std::string>{} : std::vector<std::string>{"つ"},
                        noon + day * (i / 5)));
    for (int score = 2; score <= 10; score += 2) // one game, written again after each word
        record.add(GamePlayed{firstPlayer, noon, noon + score, score, 0, 0});
    const Summary before = summarise(record.entries(), firstPlayer);
    record.compact();
    EXPECT_LE(record.answerCount(), 18u);
    Record reread(&store);
    reread.load(nullptr);
    const Summary after = summarise(reread.entries(), firstPlayer);
    EXPECT_EQ(after.words, before.words);
    EXPECT_EQ(after.missedKana, before.missedKana);
    EXPECT_EQ(after.days.size(), before.days.size());
    EXPECT_EQ(after.mostMissed.front().misses, 7);
    EXPECT_EQ(after.bestScore, 10);
    EXPECT_EQ(std::count_if(store.rows.begin(), store.rows.end(),
                            [](const Row& r) { return r.rfind("r1\tG", 0) == 0; }),
              1);
}

TEST(RecordSummary, knownAnswersGiveKnownTotals) {
    std::vector<Entry> entries;
    const char* words[12][2] = {{"あ", "a"},  {"い", "i"},  {"う", "u"},  {"え", "e"},
                                {"お", "o"},  {"か", "ka"}, {"き", "ki"}, {"く", "ku"},
                                {"け", "ke"}, {"こ", "ko"}, {"さ", "sa"}, {"し", "si"}};
    for (int i = 0; i < 12; ++i)
        for (int miss = 0; miss <= i; ++miss)
            entries.push_back(word(words[i][0], words[i][1], false, {words[i][0]}, noon + day * (miss % 2)));
    entries.push_back(word("つ", "tu", true, {}, noon + day));
    entries.push_back(PracticeAnswer{firstPlayer, noon, "つ", false, 90});
    entries.push_back(GamePlayed{firstPlayer, noon, noon + 60, 10, 0, 0});
    entries.push_back(GamePlayed{firstPlayer, noon, noon + 90, 40, 1, 0}); // the same game, later
    entries.push_back(GamePlayed{firstPlayer, noon + day, noon + day + 60, 25, 0, 5});
    entries.push_back(GamePlayed{2, noon, noon, 900, 0, 0}); // another player's
    const Summary s = summarise(entries, firstPlayer);
    EXPECT_EQ(s.words, 79);
    EXPECT_EQ(s.gameCount, 2);
    EXPECT_EQ(s.bestScore, 40);
    EXPECT_EQ(s.minutes, (79 * 30 + 90) / 60);
    ASSERT_EQ(s.days.size(), 2u);
    EXPECT_EQ(s.days[1].firstOkRight, 1);
    EXPECT_EQ(s.missedKana.at("し"), 12);
    EXPECT_EQ(s.missedKana.at("つ"), 1);
    ASSERT_EQ(s.mostMissed.size(), 10u);
    EXPECT_EQ(s.mostMissed.front().word, "し");
    EXPECT_EQ(s.mostMissed.back().answer, "u"); // missed 3 times; い and あ fewer
}

TEST(RecordReview, missedWordsAreDealtAtLeastTwiceAsOften) {
    std::vector<Entry> entries = {word("いぬ", "inu", false), word("ねこ", "neko", false),
                                  word("ねこ", "neko", true), word("うし", "usi", false)};
    for (int i = 0; i < rightsToLeave; ++i)
        entries.push_back(word("うし", "usi", true));
    const Boxes boxes = reviewBoxes(entries, firstPlayer);
    EXPECT_EQ(boxes.words, (std::map<std::string, int>{{"いぬ", 3}, {"ねこ", 2}}));
    const std::vector<std::string> deck = {"いぬ", "ねこ", "うし", "とり", "さる", "うま"};
    PracticeTable table; // practice prompts; the last was just answered and never comes again
    for (const char* k : {"い", "か", "あ", "う", "え", "お", "き"}) {
        table.labelList[std::size_t(table.recordCount)] = table.recordCount;
        table.answerList[std::size_t(table.recordCount++)] = k;
    }
    std::vector<int> weights;
    for (const std::string& w : deck)
        weights.push_back(dealWeight(boxes.words.count(w) ? boxes.words.at(w) : 0));
    Random random([] { return std::uint64_t(34); });
    std::vector<int> dealt(deck.size()), kana(7);
    for (int i = 0; i < 1000; ++i) {
        ++dealt[weightedChoice(weights, random.next())];
        ++kana.at(practice::nextWeakTarget(table, 1u << 6, 6, {{"い", 3}, {"か", 1}}, random.next()));
    }
    for (std::size_t pool = 2; pool < deck.size(); ++pool)
        for (std::size_t weak : {0u, 1u})
            EXPECT_TRUE(dealt[weak] >= 2 * dealt[pool] && kana[weak] >= 2 * kana[pool] && !kana[6]) << pool;
}

TEST(RecordCsv, aTeacherReadsEveryWordAndGameBack) {
    Record record(nullptr);
    record.load(nullptr);
    const PlayerId taro = record.addPlayer("たろう, \"2くみ\"");
    record.add(word("つくえ", "tukue", false, {"つ"}, noon, taro));
    record.add(word("\"いす\"\n", "=isu", true, {}, noon, taro)); // free text, never a formula
    record.add(GamePlayed{taro, noon - 600, noon, 12, 1, 0});
    record.add(GamePlayed{taro, noon - 600, noon + 5, -20, 2, 1});
    const std::string csv = toCsv(record);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto rows = parseCsv(csv.substr(3));
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& row : rows)
        EXPECT_EQ(row.size(), rows[0].size());
    EXPECT_EQ(rows[1][1], "たろう, \"2くみ\"");
    EXPECT_EQ(rows[1][11], "つ");
    EXPECT_EQ(rows[1][6], "訓令式"); // the spelling as the 書き方 menu names it
    EXPECT_EQ(rows[2][4] + rows[2][5], "\"いす\"\n'=isu");
    EXPECT_EQ(rows[3][0], "ゲーム");
    EXPECT_EQ(rows[3][12], "-20");
}

// ---- The screens recording as the child plays

#include "screens/main/rules.h"
#include "screens/record/record_rules.h"
#include "support/play.h"

TEST(RecordScreens, theSyllableAWrongAnswerFirstLeaves) {
    const struct {
        const char *answer, *typed, *kana, *missed;
    } rows[] = {
        {"tukue", "tikue", "つくえ", "つ"},
        {"tukue", "tukeu", "つくえ", "く"},
        {"gakko^", "gakok^", "がっこう", "こ"},
        {"ro^maji", "roamji", "ローマじ", "ー"},
        {"kin'en", "kinnen", "きんえん", "ん"},
        {"tukue", "tukue", "つくえ", "え"},
        {"dog", "dgo", "いぬ", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(mainscreen::missedSyllable(r.answer, r.typed, r.kana), r.missed)
            << r.answer << " " << r.typed;
}

TEST(RecordScreens, theHeatOfEachChartLabel) {
    const auto heat = recordscreen::kanaHeat({{"つ", 3}, {"じゃ", 1}, {"ぢゃ", 2}, {"ー", 5}});
    EXPECT_EQ(heat[17], 3);
    EXPECT_EQ(heat[95], 3);
    EXPECT_EQ(std::accumulate(heat.begin(), heat.end(), 0), 6);
    std::set<std::pair<int, int>> cells;
    for (int label = 0; label < kanaChartSize; ++label)
        cells.insert({recordscreen::heatCell(label).column, recordscreen::heatCell(label).row});
    EXPECT_EQ(cells.size(), std::size_t(kanaChartSize)); // every label in a place of its own
}

namespace {
struct DeskWord : GameFixture {
    DeskWord() : GameFixture(std::string("tukue,つくえ\r\n")) { clock = std::uint64_t(noon) * 1000000000u; }
};
} // namespace

TEST(RecordScreens, aWordAndItsGameAreKeptAsTheyAreAnswered) {
    PlayingGame<DeskWord> game;
    game.main().setAnswerLineForTests("tikue");
    game.main().onOkClicked();
    game.main().onHintClicked();
    game.clock += std::uint64_t(12) * 1000000000u;
    answerRight(game.main());
    const std::vector<Row>& rows = game.recordStore.rows;
    ASSERT_EQ(rows.size(), 2u);
    const auto w = std::get<WordPlayed>(*decode(rows[0]));
    EXPECT_EQ(w.word, "つくえ");
    EXPECT_FALSE(w.firstOkRight);
    EXPECT_EQ(w.wrongOks, 1);
    EXPECT_EQ(w.hints, 1);
    EXPECT_EQ(w.seconds, 12);
    EXPECT_EQ(w.missed, std::vector<std::string>{"つ"});
    EXPECT_EQ(std::get<GamePlayed>(*decode(rows[1])).score, game.main().state().score);
    answerRight(game.main());
    EXPECT_TRUE(std::get<WordPlayed>(*decode(game.recordStore.rows[2])).firstOkRight);
    // A kill now loses nothing: a new program reads both words and the game as it stood.
    record::Record again(&game.recordStore);
    again.load(nullptr);
    const Summary s = summarise(again.entries(), firstPlayer);
    EXPECT_EQ(s.words, 2);
    EXPECT_EQ(s.bestScore, game.main().state().score);
}

TEST(RecordScreens, aStoreSetAsideIsNamedOnceAndTheGameGoesOn) {
    struct Damaged : MemoryStore {
        Loaded loaded{{}, "kiroku-broken-1.sqlite", false};
        void load(std::function<void(Loaded)> done) override { done(loaded); }
    };
    GameFixture game;
    Damaged store;
    game.program = std::make_unique<Program>(
        Services{
            game.random, game.sound, game.messageBox, {game.dir.path().string()}, &game.settings, &store},
        game.errors, game.display);
    game.start();
    ASSERT_EQ(game.messageBox.shown.size(), 1u);
    EXPECT_NE(game.messageBox.shown[0].text.find("kiroku-broken-1.sqlite"), std::string::npos);
    store.loaded = Loaded{{}, "", true}; // a device that keeps nothing: told once as well
    game.program = std::make_unique<Program>(
        Services{
            game.random, game.sound, game.messageBox, {game.dir.path().string()}, &game.settings, &store},
        game.errors, game.display);
    game.start();
    ASSERT_EQ(game.messageBox.shown.size(), 2u);
    EXPECT_NE(game.messageBox.shown[1].text.find("のこっていません"), std::string::npos);
    EXPECT_TRUE(game.errors.playerTexts.empty());
}

TEST(RecordScreens, playersComeAndGoFromTheMenu) {
    PlayingGame<DeskWord> game;
    MainScreen& main = game.main();
    EXPECT_EQ(main.window()->caption(), std::string(mainCaption) + "　プレイヤー");
    game.messageBox.answers = {"  はなこ ", "はな", "はい"};
    main.onAddPlayerMenu();
    EXPECT_EQ(main.window()->caption(), std::string(mainCaption) + "　はなこ");
    answerRight(main);
    main.onRenamePlayerMenu();
    EXPECT_EQ(main.controls().playerItems[1]->text(), "はな");
    EXPECT_TRUE(main.controls().playerItems[1]->isChecked());
    EXPECT_EQ(game.settings.values["record/player"], "2");
    main.onRemovePlayerMenu();
    EXPECT_FALSE(main.controls().playerItems[1]->isVisible());
    EXPECT_EQ(game.program->player(), firstPlayer);
    main.onAddPlayerMenu(); // cancelled: nobody added
    EXPECT_EQ(game.program->record().players().size(), 1u);
}
