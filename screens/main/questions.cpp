// SPDX-License-Identifier: MIT
#include "screens/datafile_message.h"
#include "screens/main/colours.h"
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/navigator.h"
#include "services/data/questionbank.h"
#include "toolkit/qtcolour.h"

using namespace mainscreen;

void MainScreen::onLoad() {
    // The screen keeps its members when a game ends: a new game must not inherit a creature still waiting
    // to come back (it would return with no picture) nor the tiles pressed in an unfinished answer.
    returnTicks.fill(0);
    placedCount = 0;
    navigator_.playOpening();
    eatenCount = 0;
    catchStep = 0;
    chartShown = false;
    creditShown = false;
    score = 0;
    solvedCount = 0;
    hintTaken = false;
    hintLevel = 0;
    c.scoreLabel->setText(QStringLiteral("0"));
    c.creditLabel->hide();
    navigator_.prepareChart();
    readQuestionBank();
    for (std::int16_t k = 0; k < 12; ++k) {
        setCreatureShown(k, false);
        moveCreatureTo(k, startPlace);
    }
    Random& random = navigator_.services().random;
    random.seedFromClock();
    for (std::int16_t k = 0; k < 12; ++k)
        creatureSpeed[k] = static_cast<std::int16_t>(random.below(50) + 1);
    pickQuestion();
    dealTiles();
    c.wordLabel->show();
}

// The bank is read once per load: answer and word, two fields a record, up to 401 records.
void MainScreen::readQuestionBank() {
    const QuestionBank bank =
        readingDataFile([this] { return ::readQuestionBank(navigator_.services().dataPath("romaji.txt")); });
    questionCount = 0;
    for (std::size_t i = 0; i < bank.answers.size(); ++i) {
        romajiList[questionCount] = QString::fromStdString(bank.answers[i]);
        wordList[questionCount] = QString::fromStdString(bank.words[i]);
        usedFlags[questionCount] = 0;
        ++questionCount;
    }
}

void MainScreen::pickQuestion() {
    hintLevel = 0;
    c.okButton->hide();
    c.retryButton->show();
    c.hintButton->show();
    hintTaken = false;
    c.hintLabel->setText(QString());
    Random& random = navigator_.services().random;
    int i = 0;
    for (;;) {
        i = random.below(questionCount);
        // Once all but one word have been asked, every word may come again.
        if (solvedCount >= questionCount - 1) {
            usedFlags.fill(0);
            solvedCount = 0;
        }
        if (usedFlags[i] != 1) break;
    }
    usedFlags[i] = 1;
    answer = romajiList[i];
    questionWord = wordList[i];
    c.wordLabel->show();
}

void MainScreen::dealTiles() {
    for (std::int16_t k = 0; k < 24; ++k)
        setTileShown(k, true);
    // The letters not yet dealt: each tile takes one of them at random.
    QString letterPool = answer;
    c.wordLabel->setText(questionWord);
    if (hintLevel < 1) {
        c.hintButton->setBackColor(toolkit::toQColor(lightGreen));
        c.hintButton->setText(QStringLiteral("ちょっとヒント"));
    }
    answerLength = static_cast<std::int16_t>(answer.size());
    std::int16_t poolLeft = answerLength;
    Random& random = navigator_.services().random;
    for (std::int16_t k = 0; k < answerLength; ++k) {
        random.seedFromClock();
        const auto pickPos = static_cast<std::int16_t>(random.below(poolLeft) + 1);
        dealtLetters[k] = letterPool.mid(pickPos - 1, 1);
        c.tiles(k)->setText(dealtLetters[k]);
        letterPool.remove(pickPos - 1, 1);
        --poolLeft;
        c.tiles(k)->setForeColor(toolkit::toQColor(letterColour(dealtLetters[k].toStdString())));
    }
    for (std::int16_t k = answerLength; k < tileCount; ++k)
        setTileShown(k, false);
    clearAnswerLines();
    if (hintLevel > 1) c.hintButton->hide();
}

void MainScreen::onTilePressed(std::int16_t index) {
    ++placedCount;
    if (placedCount == answerLength) {
        c.okButton->show();
        c.retryButton->show();
        c.hintButton->hide();
        c.wordLabel->show();
        c.okButton->setFocus();
    }
    const std::string letter = pressedLetter(dealtLetters[index].toStdString());
    // Answer line: every letter exactly as pressed.
    answerLine += QString::fromStdString(letter);
    c.answerLabel->setText(answerLine);
    // Marked line: a caret replaces the vowel before it with a full-width caret.
    if (isLongVowelMark(letter) && !markedLine.isEmpty()) markedLine.chop(1);
    markedLine += QString::fromStdString(markedPiece(letter));
    c.markedLineLabel->setText(markedLine);
    // Plain line: the letters without carets.
    plainLine += QString::fromStdString(plainPiece(letter));
    c.plainLineLabel->setText(plainLine);
    setTileShown(index, false);
}
