#include "services/data/questionbank.h"
#include "services/data/fieldreader.h"

QuestionBank readQuestionBank(const QString& path) {
    FieldReader reader = FieldReader::open(path);
    QuestionBank bank;
    while (!reader.atEnd()) {
        if (bank.answers.size() >= QuestionBank::capacity) {
            reader.readText(); // only to learn the line of the record that does not fit
            throw DataFileError(reader.fileName(), reader.line(),
                                QStringLiteral("more than %1 records (the bank holds %1 words at most)")
                                    .arg(QuestionBank::capacity));
        }
        QString romaji = reader.readText();
        const int answerLine = reader.line();
        QString word = reader.readText();
        if (romaji.size() > QuestionBank::maxAnswerLength)
            throw DataFileError(
                reader.fileName(), answerLine,
                QStringLiteral("the answer '%1' is %2 letters long; at most %3 letters fit the tiles")
                    .arg(romaji.left(40))
                    .arg(romaji.size())
                    .arg(QuestionBank::maxAnswerLength));
        bank.answers.append(std::move(romaji));
        bank.words.append(std::move(word));
    }
    return bank;
}
