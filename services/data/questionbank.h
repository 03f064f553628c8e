// SPDX-License-Identifier: MIT
#pragma once
// The question bank of the main screen: the words of romaji.txt and the romaji the player builds for each.
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct QuestionBank {
    // The bank holds 401 words at most; an answer fits the 24 letter tiles.
    static constexpr int capacity = 401;
    static constexpr int maxAnswerLength = 24;

    std::vector<std::string> answers; // field 1 of each record: the romaji
    std::vector<std::string> words;   // field 2 of each record: the word shown as the question
};

// A further test of each record (answer, word): the DataFileError's reasons, English then Japanese, or
// nothing when the record may be played.
struct AnswerFault {
    std::string reason;
    std::string japanese;
};
using AnswerCheck =
    std::function<std::optional<AnswerFault>(const std::string& answer, const std::string& word)>;

// Reads the bank file at path, two fields a record, until the end of the file. Throws DataFileError, naming
// the file and the line, when the file is missing or unreadable, ends inside a record, holds a 402nd record,
// no record at all, or an answer that the tiles cannot spell: empty, holding a blank, longer than the tiles
// or refused by check.
QuestionBank readQuestionBank(const std::string& path, const AnswerCheck& check = {});
