// SPDX-License-Identifier: MIT
#include "services/data/questionbank.h"
#include "services/data/fieldreader.h"
#include "services/data/utf8text.h"
#include "toolkit/text.h"

// The letter (0-based) of the first blank (a space, a tab, an ideographic space, …) in an answer; -1 when
// none. A line break inside a quoted answer is not counted: such answers have always loaded, and its tile
// does add it.
static long firstBlank(const std::string& answer) {
    long letter = 0;
    for (std::size_t i = 0; i < answer.size();) {
        const char32_t c = toolkit::nextCharacter(answer, i);
        if (toolkit::isBlankCharacter(c) && c != U'\r' && c != U'\n') return letter;
        letter += c > 0xFFFF ? 2 : 1;
    }
    return -1;
}

QuestionBank readQuestionBank(const std::string& path, const AnswerCheck& check) {
    FieldReader reader = FieldReader::open(path);
    QuestionBank bank;
    while (!reader.atEnd()) {
        if (bank.answers.size() >= std::size_t{QuestionBank::capacity}) {
            reader.readText(); // only to learn the line of the record that does not fit
            throw DataFileError(reader.fileName(), reader.line(),
                                "more than " + std::to_string(QuestionBank::capacity) +
                                    " records (the bank holds " + std::to_string(QuestionBank::capacity) +
                                    " words at most)",
                                reader.path());
        }
        std::string romaji = reader.readText();
        const int answerLine = reader.line();
        std::string word = reader.readText();
        // An answer the tiles cannot spell would leave the child stuck: with no letter there is no tile and
        // no OK button, and a blank tile adds nothing to the answer, so it is always judged wrong.
        if (romaji.empty())
            throw DataFileError(reader.fileName(), answerLine,
                                (word.empty() ? std::string("the answer is empty")
                                              : "the answer for '" + firstLetters(word, 40) + "' is empty") +
                                    "; the word could never be answered",
                                reader.path());
        if (const long blank = firstBlank(romaji); blank >= 0)
            throw DataFileError(reader.fileName(), answerLine,
                                "the answer '" + firstLetters(romaji, 40) + "' holds a blank at letter " +
                                    std::to_string(blank + 1) +
                                    "; a blank tile adds no letter, so the word could never be answered",
                                reader.path());
        if (const std::size_t letters = letterCount(romaji);
            letters > std::size_t{QuestionBank::maxAnswerLength})
            throw DataFileError(reader.fileName(), answerLine,
                                "the answer '" + firstLetters(romaji, 40) + "' is " +
                                    std::to_string(letters) + " letters long; at most " +
                                    std::to_string(QuestionBank::maxAnswerLength) + " letters fit the tiles",
                                reader.path());
        if (const std::optional<AnswerFault> fault = check ? check(romaji, word) : std::nullopt)
            throw DataFileError(reader.fileName(), answerLine, fault->reason, reader.path())
                .explainedAs(fault->japanese);
        bank.answers.push_back(std::move(romaji));
        bank.words.push_back(std::move(word));
    }
    // A file with nothing but blanks, line ends, a byte-order mark or an end-of-file mark would deal no word
    // and no tile at all.
    if (bank.answers.empty())
        throw DataFileError(reader.fileName(), 0, "the file holds no word", reader.path())
            .explainedAs("ことばが一つもありません。");
    return bank;
}
