// SPDX-License-Identifier: MIT
// Fuzzes the word-list loader with any romaji.txt: it loads at most 401 words whose answers can be
// spelled on the tiles (not empty, no blank, at most 24 letters in every spelling) and hold no character
// that no font shows, or stops with a DataFileError naming romaji.txt and a line. Every answer loaded is
// dealt in every spelling, and every one of its letters lands on a tile.
#include "fuzz/datafile.h"
#include "screens/main/rules.h"
#include "screens/main/word_list.h"
#include "services/data/datafileerror.h"
#include "services/data/questionbank.h"
#include "services/data/utf8text.h"
#include "services/romaji/romaji.h"
#include "toolkit/text.h"
#include <string>
#include <string_view>

namespace {

bool privateUse(char32_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
}

// Deals the answer as the main screen does, in each spelling, with a pick that always takes the last letter
// left; sorted, the tiles must hold exactly the answer's letters.
void dealInEverySpelling(const std::string& answer, const std::string& word) {
    using romaji::Spelling;
    for (Spelling spelling : {Spelling::kunrei, Spelling::hepburnMacron, Spelling::hepburnDoubled}) {
        const std::string spelt = romaji::spell(answer, word, spelling);
        const mainscreen::Deal deal = mainscreen::dealLetters(spelt, [](int left) { return left; });
        std::vector<std::string> letters = toolkit::characters(spelt);
        if (letters.size() != std::size_t(deal.count)) broken("every letter lands on a tile", spelt);
        for (std::size_t k = 0; k < letters.size(); ++k)
            if (deal.letters[letters.size() - 1 - k] != letters[k])
                broken("the deal keeps the letters", spelt);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = "romaji.txt";
    try {
        const QuestionBank bank = mainscreen::readWordList(writeDataFile(name, data, size));
        if (bank.answers.size() != bank.words.size()) broken("every answer has its word");
        if (bank.answers.size() > std::size_t{QuestionBank::capacity})
            broken("the bank holds 401 words at most");
        for (const std::string& answer : bank.answers) {
            if (letterCount(answer) > std::size_t{QuestionBank::maxAnswerLength})
                broken("every answer fits the tiles", answer);
            if (answer.empty()) broken("no answer is empty");
            for (std::size_t i = 0; i < answer.size();) {
                const char32_t c = toolkit::nextCharacter(answer, i);
                if (toolkit::isBlankCharacter(c) && c != U'\r' && c != U'\n')
                    broken("no answer holds a blank", answer);
                if (privateUse(c)) broken("no private-use character", answer);
            }
        }
        for (std::size_t i = 0; i < bank.answers.size(); ++i)
            dealInEverySpelling(bank.answers[i], bank.words[i]);
        for (const std::string& word : bank.words)
            for (std::size_t i = 0; i < word.size();)
                if (privateUse(toolkit::nextCharacter(word, i))) broken("no private-use character", word);
    } catch (const DataFileError& e) {
        if (e.file() != name || e.line() < 0) broken("a fault names romaji.txt and a line", e.what());
        if (std::string_view(e.what()).substr(0, name.size()) != name)
            broken("the detail begins with romaji.txt", e.what());
    }
    return 0;
}
