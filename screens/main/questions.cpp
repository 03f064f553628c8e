#include "screens/main/form1.h"
#include "screens/peers.h"
#include "services/data/questionbank.h"

namespace {
const QColor hintGreen(192, 255, 192);
const QString caret = QStringLiteral("^");
const QString fullWidthCaret = QStringLiteral("＾");

QString leftTrimmed(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

bool isVowel(const QString& letter) {
    const QString t = letter.trimmed();
    return t == u"a" || t == u"i" || t == u"u" || t == u"e" || t == u"o";
}
} // namespace

void Form1::Form_Load() {
    // The screen keeps its members when a game ends: a new game must not inherit a creature still waiting
    // to come back (it would return with no picture) nor the tiles pressed in an unfinished answer.
    returnTicks.fill(0);
    placedCount = 0;
    peers_.cright().show();
    eatenCount = 0;
    catchStep = 0;
    chartToggle = 1;
    creditToggle = 1;
    score = 0;
    solvedCount = 0;
    hintFree = -1;
    hintLevel = 0;
    c.Label4->setText(QStringLiteral("0"));
    c.Label6->hide();
    peers_.form2().load();
    readQuestionBank();
    for (std::int16_t k = 0; k < 12; ++k) {
        c.Picture1(k)->hide();
        c.Picture1(k)->setTop(100);
        c.Picture1(k)->setLeft(100);
    }
    Random& random = peers_.services().random;
    random.seedFromClock();
    for (std::int16_t k = 0; k < 12; ++k)
        creatureSpeed[k] = static_cast<std::int16_t>(random.below(50) + 1);
    PickQuestion();
    DealTiles();
    c.Label3->show();
}

// The bank is read once per load: answer and word, two fields a record, up to 401 records.
void Form1::readQuestionBank() {
    const QuestionBank bank = ::readQuestionBank(peers_.services().dataPath(QStringLiteral("romaji.txt")));
    questionCount = 0;
    for (qsizetype i = 0; i < bank.answers.size(); ++i) {
        romajiList[questionCount] = bank.answers[i];
        wordList[questionCount] = bank.words[i];
        usedFlags[questionCount] = 0;
        ++questionCount;
    }
}

void Form1::PickQuestion() {
    hintLevel = 0;
    c.Command1->hide();
    c.Command2->show();
    c.Command3->show();
    hintFree = -1;
    c.Label8->setText(QString());
    Random& random = peers_.services().random;
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
    c.Label3->show();
}

void Form1::DealTiles() {
    for (std::int16_t k = 0; k < 24; ++k)
        c.Label1(k)->show();
    letterPool = answer;
    c.Label3->setText(questionWord);
    if (hintLevel < 1) {
        c.Command3->setBackColor(hintGreen);
        c.Command3->setText(QStringLiteral("ちょっとヒント"));
    }
    answerLength = poolLeft = static_cast<std::int16_t>(answer.size());
    Random& random = peers_.services().random;
    for (std::int16_t k = 0; k < answerLength; ++k) {
        random.seedFromClock();
        pickPos = static_cast<std::int16_t>(random.below(poolLeft) + 1);
        toolkit::Label* tile = c.Label1(k);
        tile->setText(letterPool.mid(pickPos - 1, 1));
        letterPool.remove(pickPos - 1, 1);
        --poolLeft;
        tile->setForeColor(isVowel(tile->text()) ? QColor(0, 0, 255) : QColor(0, 0, 0));
    }
    for (std::int16_t k = answerLength; k < 24; ++k)
        c.Label1(k)->hide();
    c.Label2->setText(QString());
    c.Label5->setText(QString());
    c.Label7->setText(QString());
    if (hintLevel > 1) c.Command3->hide();
}

void Form1::Label1_MouseDown(std::int16_t index) {
    ++placedCount;
    if (placedCount == answerLength) {
        c.Command1->show();
        c.Command2->show();
        c.Command3->hide();
        c.Label3->show();
        c.Command1->setFocus();
    }
    tileIndex = index;
    // Answer line: every letter exactly as pressed.
    answerLineText = c.Label2->text();
    tileLetter = leftTrimmed(c.Label1(index)->text());
    c.Label2->setText(answerLineText + tileLetter);
    // Marked line: a caret replaces the vowel before it with a full-width caret.
    markedLineText = c.Label5->text();
    if (tileLetter == caret) {
        if (!markedLineText.isEmpty()) markedLineText.chop(1);
        tilePiece = fullWidthCaret;
    } else {
        tilePiece = tileLetter;
    }
    c.Label5->setText(markedLineText + tilePiece);
    // Plain line: the letters without carets.
    plainLineText = c.Label7->text();
    tilePiece = tileLetter == caret ? QString() : tileLetter;
    c.Label7->setText(plainLineText + tilePiece);
    c.Label1(index)->hide();
}
