// Fuzzes the question bank loader with any romaji.txt: it loads at most 401 words whose answers fit the 24
// tiles, or stops with a DataFileError naming romaji.txt and a line.
#include "fuzz/datafile.h"
#include "services/data/datafileerror.h"
#include "services/data/questionbank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString name = QStringLiteral("romaji.txt");
    try {
        const QuestionBank bank = readQuestionBank(writeDataFile(name, data, size));
        if (bank.answers.size() != bank.words.size()) broken("every answer has its word");
        if (bank.answers.size() > QuestionBank::capacity) broken("the bank holds 401 words at most");
        for (const QString& answer : bank.answers)
            if (answer.size() > QuestionBank::maxAnswerLength) broken("every answer fits the tiles", answer);
    } catch (const DataFileError& e) {
        if (e.file() != name || e.line() < 0) broken("a fault names romaji.txt and a line", e.detail());
        if (!e.playerText().contains(name)) broken("the player's message names romaji.txt", e.playerText());
    }
    return 0;
}
