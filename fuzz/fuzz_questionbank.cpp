// SPDX-License-Identifier: MIT
// Fuzzes the question bank loader with any romaji.txt: it loads at most 401 words whose answers can be
// spelled on the tiles (not empty, no blank, at most 24 letters) and hold no character that no font shows,
// or stops with a DataFileError naming romaji.txt and a line.
#include "fuzz/datafile.h"
#include "services/data/datafileerror.h"
#include "services/data/questionbank.h"
#include "services/data/utf8text.h"
#include <string>
#include <string_view>

namespace {

bool privateUse(char32_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = "romaji.txt";
    try {
        const QuestionBank bank = readQuestionBank(writeDataFile(name, data, size));
        if (bank.answers.size() != bank.words.size()) broken("every answer has its word");
        if (bank.answers.size() > std::size_t{QuestionBank::capacity})
            broken("the bank holds 401 words at most");
        for (const std::string& answer : bank.answers) {
            if (letterCount(answer) > std::size_t{QuestionBank::maxAnswerLength})
                broken("every answer fits the tiles", answer);
            if (answer.empty()) broken("no answer is empty");
            for (std::size_t i = 0; i < answer.size();) {
                const char32_t c = nextCharacter(answer, i);
                if (isBlankCharacter(c) && c != U'\r' && c != U'\n')
                    broken("no answer holds a blank", answer);
                if (privateUse(c)) broken("no private-use character", answer);
            }
        }
        for (const std::string& word : bank.words)
            for (std::size_t i = 0; i < word.size();)
                if (privateUse(nextCharacter(word, i))) broken("no private-use character", word);
    } catch (const DataFileError& e) {
        if (e.file() != name || e.line() < 0) broken("a fault names romaji.txt and a line", e.what());
        if (std::string_view(e.what()).substr(0, name.size()) != name)
            broken("the detail begins with romaji.txt", e.what());
    }
    return 0;
}
