// SPDX-License-Identifier: MIT
#include "bank_check.h"

#include "kana_romaji.h"

#include <QHash>

namespace bankcheck {
namespace {

void checkAnswer(const Record& record, Findings& findings) {
    const QString& answer = record.fields[0];
    const QString& word = record.fields[1];
    const int line = record.line;
    if (answer.isEmpty()) findings << Finding{line, QStringLiteral("the answer is empty")};
    // The game refuses such a bank: a blank tile adds no letter, so the word could never be answered.
    for (qsizetype i = 0; i < answer.size(); ++i) {
        if (!answer[i].isSpace() || answer[i] == u'\r' || answer[i] == u'\n') continue;
        findings << Finding{line,
                            QStringLiteral("answer '%1' holds a blank at letter %2; a blank tile adds no "
                                           "letter, so the word could never be answered")
                                .arg(answer, QString::number(i + 1))};
        break;
    }
    if (word.isEmpty()) findings << Finding{line, QStringLiteral("the word is empty")};
    if (answer.size() > kMaxAnswerLetters) {
        findings << Finding{
            line, QStringLiteral("answer '%1' has %2 letters; the game has only %3 letter tiles")
                      .arg(answer, QString::number(answer.size()), QString::number(kMaxAnswerLetters))};
    }
    if (word.isEmpty()) return;
    const Romanisation romanisation = romanise(word);
    if (!romanisation.ok()) {
        findings << Finding{
            line, QStringLiteral("word '%1' cannot be read as kana: %2").arg(word, romanisation.error)};
    } else if (!answer.isEmpty() && !isSpelling(romanisation, answer)) {
        findings << Finding{line, QStringLiteral("answer '%1' is not a spelling of %2 (expected e.g. %3)")
                                      .arg(answer, word, preferredSpelling(romanisation))};
    }
}

} // namespace

Findings checkBank(const QList<Record>& records) {
    Findings findings;
    QHash<QString, int> wordLine;
    QHash<QString, QString> wordAnswer;
    for (int i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        const int line = record.line;
        if (i == kMaxWords) {
            findings << Finding{line, QStringLiteral("this is word %1; the game holds at most %2 words and "
                                                     "stops here")
                                          .arg(i + 1)
                                          .arg(kMaxWords)};
        }
        checkAnswer(record, findings);
        const QString& word = record.fields[1];
        if (word.isEmpty()) continue;
        if (wordLine.contains(word)) {
            const QString first = QString::number(wordLine.value(word));
            if (wordAnswer.value(word) == record.fields[0])
                findings << Finding{
                    line, QStringLiteral("'%1,%2' repeats line %3").arg(record.fields[0], word, first)};
            else
                findings << Finding{line, QStringLiteral("word %1 is already on line %2").arg(word, first)};
        } else {
            wordLine.insert(word, line);
            wordAnswer.insert(word, record.fields[0]);
        }
    }
    return findings;
}

} // namespace bankcheck
