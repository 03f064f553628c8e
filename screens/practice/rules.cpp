// SPDX-License-Identifier: MIT
#include "screens/practice/rules.h"
#include "services/random/random.h"
#include "services/record/review.h"
#include "toolkit/runtimeerror.h"
#include <vector>

namespace practice {

namespace {

// A fair draw finds an unanswered record long before this many draws a record; the bound only keeps a draw
// that repeats itself from holding the game for ever.
constexpr int drawsPerRecord = 64;

int checkedRecord(int record) {
    if (record < 0 || record >= PracticeTable::capacity)
        throw toolkit::subscriptOutOfRange("labelList", record);
    return record;
}

bool recordAnswered(const PracticeTable& table, const AnsweredKana& answered, int record) {
    return isAnswered(answered, table.labelList[static_cast<std::size_t>(checkedRecord(record))]);
}

bool anyRecordLeft(const PracticeTable& table, const AnsweredKana& answered) {
    for (int record = 0; record < table.recordCount; ++record)
        if (!recordAnswered(table, answered, record)) return true;
    return false;
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The records whose prompt begins with the letters, and the first of those whose prompt is the letters.
struct Matches {
    int beginning = 0;
    std::optional<std::int16_t> equal;
};

Matches matches(const PracticeTable& table, const std::string& letters) {
    Matches found;
    for (std::int16_t record = 0; record < table.recordCount; ++record) {
        const std::string prompt = lowerCase(table.promptList[static_cast<std::size_t>(record)]);
        if (prompt.compare(0, letters.size(), letters) != 0) continue;
        ++found.beginning;
        if (prompt.size() == letters.size() && !found.equal) found.equal = record;
    }
    return found;
}

} // namespace

Typing typeLetter(const PracticeTable& table, const std::string& letters, char letter) {
    const std::string typed = lowerCase(std::string(1, letter));
    std::string text = letters + typed;
    Matches found = matches(table, text);
    if (found.beginning == 0) {
        text = typed;
        found = matches(table, text);
        if (found.beginning == 0) return {};
    }
    if (found.beginning == 1 && found.equal) return {{}, found.equal};
    return {text, std::nullopt};
}

Typing typeEnter(const PracticeTable& table, const std::string& letters) {
    if (letters.empty()) return {};
    if (const std::optional<std::int16_t> record = matches(table, letters).equal) return {{}, record};
    return {letters, std::nullopt};
}

LevelSettings settingsFor(Level level) {
    switch (level) {
    case Level::Beginner:
        return {3000, "初級ですね", "初級"};
    case Level::Intermediate:
        return {2000, "中級ですね", "中級"};
    case Level::Advanced:
        break;
    }
    return {1000, "上級ですね", "上級"};
}

std::string verdictFor(std::int16_t correct) {
    // Each later test that holds replaces the text of the one before.
    std::string text;
    if (correct >= 30) text = "まだまだ！";
    if (correct > 60) text = "そこそこだなぁ！";
    if (correct > 100) text = "さすがじゃ！";
    if (correct < 30) text = "特訓がいるぞ！";
    return text;
}

bool answersTarget(const std::string& clickedCaption, const std::string& targetAnswer) {
    return clickedCaption == targetAnswer;
}

Cue cueForAnswer(std::int16_t correct) {
    return correct % bigCheerEvery == 0 ? Cue::Correct100 : Cue::Correct;
}

bool finishesVisit(std::int16_t correct) {
    return correct >= finishCount;
}

bool isAnswered(const AnsweredKana& answered, int label) {
    if (label < 0 || label >= chartSize) throw toolkit::subscriptOutOfRange("Label1", label);
    return answered.test(static_cast<std::size_t>(label));
}

std::int16_t nextTarget(const PracticeTable& table, const AnsweredKana& answered, std::int16_t current,
                        const Draw& draw) {
    if (!recordAnswered(table, answered, current)) return current;
    if (!anyRecordLeft(table, answered)) return current;
    int record = current;
    for (int k = 0; k < drawsPerRecord * table.recordCount; ++k) {
        record = checkedRecord(draw(table.recordCount));
        if (!recordAnswered(table, answered, record)) return static_cast<std::int16_t>(record);
    }
    // Past the bound: the first unanswered record after the last draw. One is left, so the search ends.
    for (int step = 1;; ++step) {
        const int next = (record + step) % table.recordCount;
        if (!recordAnswered(table, answered, next)) return static_cast<std::int16_t>(next);
    }
}

std::int16_t nextTarget(const PracticeTable& table, const AnsweredKana& answered, std::int16_t current,
                        Random& random) {
    return nextTarget(table, answered, current, [&random](int n) { return random.below(n); });
}

std::int16_t nextWeakTarget(const PracticeTable& table, const AnsweredKana& answered, std::int16_t current,
                            const std::map<std::string, int>& kanaBoxes, double r) {
    if (!recordAnswered(table, answered, current)) return current;
    if (!anyRecordLeft(table, answered)) return current;
    std::vector<int> weights;
    for (int record = 0; record < table.recordCount; ++record) {
        const auto box = kanaBoxes.find(table.answerList[static_cast<std::size_t>(record)]);
        weights.push_back(recordAnswered(table, answered, record)
                              ? 0
                              : record::dealWeight(box == kanaBoxes.end() ? 0 : box->second));
    }
    return static_cast<std::int16_t>(record::weightedChoice(weights, r));
}

} // namespace practice
