// SPDX-License-Identifier: MIT
#include "screens/main/word_list.h"
#include "services/data/utf8text.h"
#include "services/romaji/romaji.h"

namespace mainscreen {

std::optional<AnswerFault> outgrowsTiles(const std::string& answer, const std::string& word) {
    using romaji::Spelling;
    static constexpr struct {
        Spelling spelling;
        const char* english;
        const char* japanese;
    } spellings[] = {{Spelling::hepburnMacron, "Hepburn with long vowels marked", "ヘボン式（ō）"},
                     {Spelling::hepburnDoubled, "Hepburn with long vowels doubled", "ヘボン式（oo）"}};
    const std::size_t tiles = QuestionBank::maxAnswerLength;
    for (const auto& s : spellings) {
        const std::string spelt = romaji::spell(answer, word, s.spelling);
        const std::size_t letters = letterCount(spelt);
        if (letters <= tiles) continue;
        const std::string count = std::to_string(letters), most = std::to_string(tiles);
        return AnswerFault{"the answer '" + firstLetters(answer, 40) + "' is " + count + " letters long in " +
                               s.english + " ('" + firstLetters(spelt, 40) + "'); at most " + most +
                               " letters fit the tiles",
                           "答え「" + firstLetters(answer, 40) + "」は、書き方を" + s.japanese +
                               "にすると「" + firstLetters(spelt, 40) + "」の " + count + " 文字になり、" +
                               most + " 個の文字のタイルにおさまりません。"};
    }
    return std::nullopt;
}

QuestionBank readWordList(const std::string& path) {
    return readQuestionBank(path, outgrowsTiles);
}

} // namespace mainscreen
