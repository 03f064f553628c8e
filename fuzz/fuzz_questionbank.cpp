// Fuzzes the question bank loader with any romaji.txt: it loads at most 401 words whose answers can be
// spelled on the tiles (not empty, no blank, at most 24 letters) and hold no character that no font shows,
// or stops with a DataFileError naming romaji.txt and a line.
#include "fuzz/datafile.h"
#include "services/data/datafileerror.h"
#include "services/data/questionbank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString name = QStringLiteral("romaji.txt");
    try {
        const QuestionBank bank = readQuestionBank(writeDataFile(name, data, size));
        if (bank.answers.size() != bank.words.size()) broken("every answer has its word");
        if (bank.answers.size() > QuestionBank::capacity) broken("the bank holds 401 words at most");
        for (const QString& answer : bank.answers) {
            if (answer.size() > QuestionBank::maxAnswerLength) broken("every answer fits the tiles", answer);
            if (answer.isEmpty()) broken("no answer is empty");
            for (const QChar c : answer) {
                if (c.isSpace() && c != u'\r' && c != u'\n') broken("no answer holds a blank", answer);
                if (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF)
                    broken("no private-use character", answer);
            }
        }
        for (const QString& word : bank.words)
            for (const QChar c : word)
                if (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF) broken("no private-use character", word);
    } catch (const DataFileError& e) {
        if (e.file() != name || e.line() < 0) broken("a fault names romaji.txt and a line", e.detail());
        if (!e.playerText().contains(name)) broken("the player's message names romaji.txt", e.playerText());
    }
    return 0;
}
