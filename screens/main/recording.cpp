// SPDX-License-Identifier: MIT
// What the main screen keeps in the learning record: each word answered right with how it went, and the game
// as it stands after each word, each creature saved or lost, and at its end.
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/navigator.h"
#include "services/record/review.h"
#include "services/romaji/reading.h"
#include "services/romaji/syllables.h"
#include <algorithm>

namespace mainscreen {

std::string missedSyllable(const std::string& answer, const std::string& typed, const std::string& kana) {
    const auto syllables = romaji::readAnswer(answer, kana);
    const auto pieces = romaji::kanaPieces(kana);
    if (!syllables || !pieces || syllables->empty()) return {};
    std::size_t at = 0;
    while (at < answer.size() && at < typed.size() && answer[at] == typed[at])
        ++at;
    // A small っ belongs to the syllable after it, as its doubled letter does.
    std::vector<std::string> spoken;
    for (const romaji::KanaPiece& piece : *pieces) {
        using Kind = romaji::KanaPiece::Kind;
        if (piece.kind == Kind::syllable) spoken.emplace_back(piece.syllable->kana);
        if (piece.kind == Kind::n) spoken.emplace_back("ん");
        if (piece.kind == Kind::longMark) spoken.emplace_back("ー");
    }
    if (spoken.size() != syllables->size()) return {};
    for (std::size_t k = 0; k < syllables->size(); ++k)
        if (at < (*syllables)[k].begin + (*syllables)[k].length) return spoken[k];
    return spoken.back();
}

} // namespace mainscreen

void MainScreen::recordWrongAnswer() {
    ++s.wrongOks;
    const std::string kana = mainscreen::missedSyllable(s.answer, s.answerLine, s.questionWord);
    if (!kana.empty() &&
        std::find(s.missedSyllables.begin(), s.missedSyllables.end(), kana) == s.missedSyllables.end())
        s.missedSyllables.push_back(kana);
}

void MainScreen::recordWord() {
    const record::Time now = navigator_.now();
    record::WordPlayed word;
    word.player = navigator_.player();
    word.time = now;
    word.gameStart = s.gameStart;
    word.word = s.questionWord;
    word.answer = s.listedAnswer;
    word.spelling = romaji::nameOf(s.spelling);
    word.firstOkRight = s.wrongOks == 0;
    word.wrongOks = s.wrongOks;
    word.hints = s.hintsTaken;
    word.seconds = static_cast<int>(std::max<record::Time>(0, now - s.wordDealtAt));
    word.missed = s.missedSyllables;
    navigator_.record().add(word);
}

void MainScreen::recordGame() {
    navigator_.record().add(record::GamePlayed{navigator_.player(), s.gameStart, navigator_.now(), s.score,
                                               s.savedCount, s.eatenCount});
}

// The plain deal draws among the words not yet asked; にがてを れんしゅう draws among all words but the one
// just asked, a word the more often the more it was missed lately.
int MainScreen::pickedWord() {
    Random& random = navigator_.services().random;
    if (!s.reviewDeal) {
        int i = 0;
        for (;;) {
            i = random.below(s.questionCount);
            // Once all but one word have been asked, every word may come again.
            if (s.solvedCount >= s.questionCount - 1) {
                s.usedFlags.fill(0);
                s.solvedCount = 0;
            }
            if (s.usedFlags[i] != 1) break;
        }
        s.usedFlags[i] = 1;
        return i;
    }
    const record::Boxes boxes = record::reviewBoxes(navigator_.record().entries(), navigator_.player());
    std::vector<int> weights;
    for (int k = 0; k < s.questionCount; ++k) {
        const auto box = boxes.words.find(s.wordList[k]);
        const bool justAsked = s.questionCount > 1 && s.wordList[k] == s.questionWord;
        weights.push_back(justAsked ? 0 : record::dealWeight(box == boxes.words.end() ? 0 : box->second));
    }
    return static_cast<int>(record::weightedChoice(weights, random.next()));
}
