#include "services/data/questionbank.h"
#include "services/data/fieldreader.h"

// The place of the first blank (a space, a tab, an ideographic space, …) in an answer; -1 when none. A line
// break inside a quoted answer is not counted: such answers have always loaded, and its tile does add it.
static qsizetype firstBlank(const QString& answer) {
    for (qsizetype i = 0; i < answer.size(); ++i)
        if (answer[i].isSpace() && answer[i] != u'\r' && answer[i] != u'\n') return i;
    return -1;
}

QuestionBank readQuestionBank(const QString& path) {
    FieldReader reader = FieldReader::open(path);
    QuestionBank bank;
    while (!reader.atEnd()) {
        if (bank.answers.size() >= QuestionBank::capacity) {
            reader.readText(); // only to learn the line of the record that does not fit
            throw DataFileError(reader.fileName(), reader.line(),
                                QStringLiteral("more than %1 records (the bank holds %1 words at most)")
                                    .arg(QuestionBank::capacity),
                                reader.path());
        }
        QString romaji = reader.readText();
        const int answerLine = reader.line();
        QString word = reader.readText();
        // An answer the tiles cannot spell would leave the child stuck: with no letter there is no tile and
        // no OK button, and a blank tile adds nothing to the answer, so it is always judged wrong.
        if (romaji.isEmpty())
            throw DataFileError(reader.fileName(), answerLine,
                                (word.isEmpty()
                                     ? QStringLiteral("the answer is empty")
                                     : QStringLiteral("the answer for '%1' is empty").arg(word.left(40))) +
                                    QStringLiteral("; the word could never be answered"),
                                reader.path());
        if (const qsizetype blank = firstBlank(romaji); blank >= 0)
            throw DataFileError(
                reader.fileName(), answerLine,
                QStringLiteral("the answer '%1' holds a blank at letter %2; a blank tile adds "
                               "no letter, so the word could never be answered")
                    .arg(romaji.left(40), QString::number(blank + 1)),
                reader.path());
        if (romaji.size() > QuestionBank::maxAnswerLength)
            throw DataFileError(
                reader.fileName(), answerLine,
                QStringLiteral("the answer '%1' is %2 letters long; at most %3 letters fit the tiles")
                    .arg(romaji.left(40), QString::number(romaji.size()),
                         QString::number(QuestionBank::maxAnswerLength)),
                reader.path());
        bank.answers.append(std::move(romaji));
        bank.words.append(std::move(word));
    }
    return bank;
}
