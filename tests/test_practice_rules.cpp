// SPDX-License-Identifier: MIT
// The practice screen's rules without a window: the verdict bands, the cue for every tenth answer, the
// finish count, and the target choice, which keeps an unanswered target, draws only records whose kana is
// unanswered and always returns, also when none is left.
#include "screens/practice/rules.h"
#include "services/random/random.h"
#include "toolkit/runtimeerror.h"
#include <gtest/gtest.h>
#include <set>

using namespace practice;

namespace {

PracticeTable tableOf(const std::vector<int>& labels) {
    PracticeTable table;
    for (std::size_t k = 0; k < labels.size(); ++k) {
        table.promptList[k] = "p" + std::to_string(k);
        table.answerList[k] = "k" + std::to_string(labels[k]);
        table.labelList[k] = static_cast<std::int16_t>(labels[k]);
    }
    table.recordCount = static_cast<std::int16_t>(labels.size());
    return table;
}

AnsweredKana answeredOf(const std::vector<int>& labels) {
    AnsweredKana answered;
    for (int label : labels)
        answered.set(static_cast<std::size_t>(label));
    return answered;
}

// Hands out the scripted numbers in turn and then repeats the last one for ever; counts the draws and
// notes any draw asked for another range than the table's records.
struct ScriptedDraw {
    std::vector<int> numbers;
    int range = 0;
    int draws = 0;
    bool wrongRange = false;
    Draw draw() {
        return [this](int n) {
            wrongRange = wrongRange || n != range;
            const int at = std::min(draws, static_cast<int>(numbers.size()) - 1);
            ++draws;
            return numbers.empty() ? 0 : numbers[static_cast<std::size_t>(at)];
        };
    }
};

} // namespace

TEST(PracticeRules, verdictBands) {
    const struct {
        int correct;
        const char* verdict;
    } rows[] = {
        {0, "特訓がいるぞ！"},    {29, "特訓がいるぞ！"},    {30, "まだまだ！"},    {60, "まだまだ！"},
        {61, "そこそこだなぁ！"}, {100, "そこそこだなぁ！"}, {101, "さすがじゃ！"}, {102, "さすがじゃ！"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.correct);
        ASSERT_EQ(verdictFor(static_cast<std::int16_t>(row.correct)), row.verdict);
    }
}

TEST(PracticeRules, cueAndFinish) {
    const struct {
        int correct;
        Cue cue;
        bool finishes;
    } rows[] = {
        {1, Cue::Correct, false},   {9, Cue::Correct, false},     {10, Cue::Correct100, false},
        {11, Cue::Correct, false},  {20, Cue::Correct100, false}, {100, Cue::Correct100, false},
        {102, Cue::Correct, false}, {103, Cue::Correct, true},    {110, Cue::Correct100, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.correct);
        ASSERT_EQ(cueForAnswer(static_cast<std::int16_t>(row.correct)), row.cue);
        ASSERT_EQ(finishesVisit(static_cast<std::int16_t>(row.correct)), row.finishes);
    }
}

TEST(PracticeRules, targetChoice) {
    const std::vector<int> four = {0, 1, 2, 3};
    const struct {
        const char* name;
        std::vector<int> labels; // the label number of each record
        std::vector<int> answered;
        int current;
        std::vector<int> draws;
        int target;
        int drawsMade; // -1: as many as it takes
    } rows[] = {
        {"unanswered target stays", four, {}, 2, {0}, 2, 0},
        {"stays while others are answered", four, {0, 1, 3}, 2, {}, 2, 0},
        {"first visit keeps record 0", four, {}, 0, {3}, 0, 0},
        {"answered target: one draw", four, {1}, 1, {3}, 3, 1},
        {"draws again past answered kana", four, {0, 1, 2}, 0, {1, 0, 2, 1, 3}, 3, 5},
        {"a draw may hit the record just answered", four, {2}, 2, {2, 0}, 0, 2},
        // Several records may name one kana: once it is answered, all of them are skipped.
        {"record sharing an answered kana", {5, 7, 5, 9}, {5}, 0, {2, 2, 3}, 3, 3},
        {"none left: the target stays", {0, 1, 0}, {0, 1}, 1, {0}, 1, 0},
        {"empty table", {}, {}, 0, {}, 0, 0},
        {"empty table, kana of record 0 answered", {}, {0}, 0, {}, 0, 0},
        // A draw that keeps giving the same answered record still ends, on a record that is left.
        {"a stuck draw still ends", four, {0, 1, 3}, 0, {0}, 2, -1},
        {"a stuck draw wraps round", four, {1, 2, 3}, 1, {3}, 0, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PracticeTable table = tableOf(row.labels);
        ScriptedDraw script{row.draws, static_cast<int>(row.labels.size())};
        const std::int16_t next = nextTarget(table, answeredOf(row.answered),
                                             static_cast<std::int16_t>(row.current), script.draw());
        ASSERT_EQ(next, row.target);
        if (row.drawsMade >= 0) {
            ASSERT_EQ(script.draws, row.drawsMade);
        }
        ASSERT_TRUE(!script.wrongRange);
    }
}

TEST(PracticeRules, drawsOnlyUnansweredRecords) {
    // The real generator, re-seeded from a frozen clock before each choice as the screen does: every choice
    // lands on a record whose kana is unanswered, and every such record comes up.
    std::vector<int> labels;
    for (int k = 0; k < chartSize; ++k)
        labels.push_back(k);
    const PracticeTable table = tableOf(labels);
    AnsweredKana answered;
    for (int k = 0; k < chartSize; k += 2)
        answered.set(static_cast<std::size_t>(k));
    std::uint64_t clock = 5;
    Random random([&] { return clock; });
    std::set<int> drawn;
    for (int n = 0; n < 2000; ++n) {
        random.seedFromClock();
        const std::int16_t next = nextTarget(table, answered, 0, random);
        ASSERT_TRUE(next % 2 == 1) << next;
        drawn.insert(next);
    }
    ASSERT_EQ(drawn.size(), std::size_t(chartSize / 2));

    // Answered one after another, the targets run through all 104 kana, each once; then the last one stays.
    AnsweredKana progress;
    std::int16_t target = 0;
    std::set<int> targets;
    for (int n = 0; n < chartSize; ++n) {
        random.seedFromClock();
        target = nextTarget(table, progress, target, random);
        ASSERT_TRUE(!progress.test(static_cast<std::size_t>(target)));
        targets.insert(target);
        progress.set(static_cast<std::size_t>(target));
    }
    ASSERT_EQ(targets.size(), std::size_t(chartSize));
    ASSERT_EQ(nextTarget(table, progress, target, random), target);
}

TEST(PracticeRules, labelOffTheChartIsAnError) {
    // Met when the choice looks at the record, as an error the program reports, never undefined behaviour.
    for (const int label : {104, -1}) { // past the chart, and negative
        SCOPED_TRACE(label);
        const PracticeTable table = tableOf({0, label});
        ScriptedDraw script{{1}, 2};
        try {
            nextTarget(table, answeredOf({0}), 0, script.draw());
            FAIL() << "a label number off the chart was taken";
        } catch (const toolkit::RuntimeError& e) {
            ASSERT_EQ(e.detail(), "Subscript out of range: Label1(" + std::to_string(label) + ")");
        }
        ASSERT_THROW(isAnswered(AnsweredKana{}, label), toolkit::RuntimeError);
    }
}

// Typing romaji key by key ('\n' is Enter): the records picked in turn and the letters left.
TEST(PracticeRules, typingPicksByPrompt) {
    PracticeTable table = tableOf({0, 50, 20, 21, 5, 80, 11, 11, 4, 49});
    const char* prompts[] = {"a", "n", "na", "ni", "ka", "kya", "si", "shi", "o", "o"};
    for (std::size_t k = 0; k < std::size(prompts); ++k)
        table.promptList[k] = prompts[k];
    const struct {
        const char* keys;
        std::vector<int> picked;
        const char* left;
    } rows[] = {{"a", {0}, ""},   {"n", {}, "n"},        {"nana", {2, 2}, ""}, {"n\n", {1}, ""},
                {"KyA", {5}, ""}, {"ky\n", {}, "ky"},    {"\n", {}, ""},       {"kn", {}, "n"},
                {"kxa", {0}, ""}, {"shisi", {7, 6}, ""}, {"o", {}, "o"},       {"o\n", {8}, ""}};
    for (const auto& row : rows) {
        std::string letters;
        std::vector<int> picked;
        for (const char* key = row.keys; *key; ++key) {
            const Typing typing = *key == '\n' ? typeEnter(table, letters) : typeLetter(table, letters, *key);
            letters = typing.letters;
            if (typing.picked) picked.push_back(*typing.picked);
        }
        ASSERT_EQ(picked, row.picked) << row.keys;
        ASSERT_EQ(letters, row.left) << row.keys;
    }
}
