// SPDX-License-Identifier: MIT
#include "screens/datafile_message.h"
#include "screens/main/colours.h"
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/main/word_list.h"
#include "screens/navigator.h"
#include "services/data/questionbank.h"
#include "toolkit/text.h"

using namespace mainscreen;

void MainScreen::onLoad() {
    // The screen keeps its members when a game ends: a new game must not inherit a creature still waiting
    // to come back (it would return with no picture) nor the tiles pressed in an unfinished answer.
    for (std::int16_t k = 0; k < creatureCount; ++k)
        setCreatureState(k, CreatureState::running);
    s.placedCount = 0;
    navigator_.playOpening();
    s.eatenCount = 0;
    s.catchStep = 0;
    s.chartShown = false;
    s.creditShown = false;
    s.score = 0;
    s.solvedCount = 0;
    s.hintTaken = false;
    s.hintLevel = 0;
    s.savedCount = 0;
    s.gameStart = navigator_.now();
    c.scoreLabel->setText("0");
    c.creditLabel->hide();
    navigator_.prepareChart();
    showSpellingChoice();
    showLookChoice();
    showSpeaking();
    showPlayer();
    c.reviewItem->setChecked(s.reviewDeal);
    readQuestionBank();
    for (std::int16_t k = 0; k < 12; ++k) {
        setCreatureShown(k, false);
        moveCreatureTo(k, startPlace);
    }
    Random& random = navigator_.services().random;
    random.seedFromClock();
    for (std::int16_t k = 0; k < 12; ++k)
        s.creatureSpeed[k] = static_cast<std::int16_t>(random.below(50) + 1);
    pickQuestion();
    dealTiles();
    c.wordLabel->show();
}

// The bank is read once per load: answer and word, two fields a record, up to 401 records.
void MainScreen::readQuestionBank() {
    const QuestionBank bank =
        readingDataFile([this] { return readWordList(navigator_.services().dataPath("romaji.txt")); });
    s.questionCount = 0;
    for (std::size_t i = 0; i < bank.answers.size(); ++i) {
        s.romajiList[s.questionCount] = bank.answers[i];
        s.wordList[s.questionCount] = bank.words[i];
        s.usedFlags[s.questionCount] = 0;
        ++s.questionCount;
    }
}

void MainScreen::pickQuestion() {
    s.hintLevel = 0;
    c.okButton->hide();
    c.retryButton->show();
    c.hintButton->show();
    s.hintTaken = false;
    c.hintLabel->setText({});
    const int i = pickedWord();
    s.wordDealtAt = navigator_.now();
    s.wrongOks = 0;
    s.hintsTaken = 0;
    s.missedSyllables.clear();
    s.listedAnswer = s.romajiList[i];
    // The word is dealt and judged in the spelling chosen when it comes up.
    s.spelling = navigator_.spelling();
    s.answer = romaji::spell(s.romajiList[i], s.wordList[i], s.spelling);
    showLongVowelHelp();
    s.questionWord = s.wordList[i];
    c.wordLabel->show();
    speakNewWord();
}

void MainScreen::dealTiles() {
    for (std::int16_t k = 0; k < 24; ++k)
        setTileShown(k, true);
    c.wordLabel->setText(s.questionWord);
    if (s.hintLevel < 1) {
        c.hintButton->setBackColor(lightGreen);
        c.hintButton->setText("ちょっとヒント");
    }
    Random& random = navigator_.services().random;
    const Deal deal = dealLetters(s.answer, [&random](int left) {
        random.seedFromClock();
        return random.below(left) + 1;
    });
    s.answerLength = deal.count;
    for (std::int16_t k = 0; k < s.answerLength; ++k) {
        s.dealtLetters[k] = deal.letters[k];
        c.tiles(k)->setText(tileCaption(s.dealtLetters[k], markLook()));
        c.tiles(k)->setForeColor(letterColour(s.dealtLetters[k]));
    }
    for (std::int16_t k = s.answerLength; k < tileCount; ++k)
        setTileShown(k, false);
    clearAnswerLines();
    if (s.hintLevel > 1) c.hintButton->hide();
}

void MainScreen::onTilePressed(std::int16_t index) {
    ++s.placedCount;
    if (s.placedCount == s.answerLength) {
        c.okButton->show();
        c.retryButton->show();
        c.hintButton->hide();
        c.wordLabel->show();
        c.okButton->setFocus();
    }
    const std::string letter = pressedLetter(s.dealtLetters[index]);
    // Answer line: every letter exactly as pressed.
    s.answerLine += letter;
    c.answerLabel->setText(s.answerLine);
    // Marked line: a caret replaces the vowel before it with a full-width caret.
    if (isLongVowelMark(letter)) toolkit::dropLastCharacter(s.markedLine);
    s.markedLine += markedPiece(letter, markLook());
    c.markedLineLabel->setText(s.markedLine);
    // Plain line: the letters without carets.
    s.plainLine += plainPiece(letter);
    c.plainLineLabel->setText(s.plainLine);
    setTileShown(index, false);
}
