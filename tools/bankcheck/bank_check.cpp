// SPDX-License-Identifier: MIT
#include "bank_check.h"

#include "kana_romaji.h"

#include "screens/main/word_list.h"
#include "services/romaji/romaji.h"

#include <QHash>

namespace bankcheck {
namespace {

// Spellings the game plays as they are but a teacher may want to change: notes, not faults.
void noteSpellings(const QString& answer, const QString& word, int line, Findings& findings) {
    const std::string a = answer.toStdString(), w = word.toStdString();
    const romaji::Remarks remarks = romaji::remarksOn(a, w);
    if (remarks.olderTch) {
        const QString hepburn =
            QString::fromStdString(romaji::withMacrons(romaji::spell(a, w, romaji::Spelling::hepburnMacron)));
        findings << Finding{
            line,
            QStringLiteral("注意：答え「%1」の tch は古いヘボン式の書き方です。ヘボン式では cch"
                           "（%2）で出します")
                .arg(answer, hepburn),
            QStringLiteral("note: answer '%1' writes tch, the older Hepburn; the Hepburn "
                           "spellings deal it with cch (%2)")
                .arg(answer, hepburn),
            true};
    }
    if (remarks.nReadsOn)
        findings << Finding{line,
                            QStringLiteral("注意：答え「%1」では「ん」の n が次の文字とつながり、ほかのかなに"
                                           "読めます。n の後に ' を入れてください（例：pan'ya）")
                                .arg(answer),
                            QStringLiteral("note: answer '%1' writes ん as n before a vowel or y, where it "
                                           "reads as another kana; put ' after the n (e.g. pan'ya)")
                                .arg(answer),
                            true};
}

void checkAnswer(const Record& record, Findings& findings) {
    const QString& answer = record.fields[0];
    const QString& word = record.fields[1];
    const int line = record.line;
    if (answer.isEmpty())
        findings << Finding{line, QStringLiteral("答えが空です"), QStringLiteral("the answer is empty")};
    // The game refuses such a bank: a blank tile adds no letter, so the word could never be answered.
    for (qsizetype i = 0; i < answer.size(); ++i) {
        if (!answer[i].isSpace() || answer[i] == u'\r' || answer[i] == u'\n') continue;
        const QString letter = QString::number(i + 1);
        findings << Finding{
            line,
            QStringLiteral("答え「%1」の%2文字目が空白です。空白のタイルは文字を足さないので、"
                           "このことばには答えられません")
                .arg(answer, letter),
            QStringLiteral("answer '%1' holds a blank at letter %2; a blank tile adds no "
                           "letter, so the word could never be answered")
                .arg(answer, letter)};
        break;
    }
    if (word.isEmpty())
        findings << Finding{line, QStringLiteral("ことばが空です"), QStringLiteral("the word is empty")};
    if (answer.size() > kMaxAnswerLetters) {
        const QString letters = QString::number(answer.size()), tiles = QString::number(kMaxAnswerLetters);
        findings << Finding{line,
                            QStringLiteral("答え「%1」は%2文字です。文字のタイルは%3個しかありません")
                                .arg(answer, letters, tiles),
                            QStringLiteral("answer '%1' has %2 letters; the game has only %3 letter tiles")
                                .arg(answer, letters, tiles)};
    } else if (const auto fault = mainscreen::outgrowsTiles(answer.toStdString(), word.toStdString())) {
        findings << Finding{line, QString::fromStdString(fault->japanese),
                            QString::fromStdString(fault->reason)};
    }
    if (word.isEmpty()) return;
    const Romanisation romanisation = romanise(word);
    if (!romanisation.ok()) {
        findings << Finding{
            line,
            QStringLiteral("ことば「%1」をかなとして読めません：%2").arg(word, romanisation.errorJapanese),
            QStringLiteral("word '%1' cannot be read as kana: %2").arg(word, romanisation.error)};
    } else if (!answer.isEmpty() && !isSpelling(romanisation, answer)) {
        const QString expected = preferredSpelling(romanisation);
        findings << Finding{line,
                            QStringLiteral("答え「%1」は「%2」のローマ字のつづりではありません（例：%3）")
                                .arg(answer, word, expected),
                            QStringLiteral("answer '%1' is not a spelling of %2 (expected e.g. %3)")
                                .arg(answer, word, expected)};
    } else if (!answer.isEmpty()) {
        noteSpellings(answer, word, line, findings);
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
            findings << Finding{
                line,
                QStringLiteral("%1語目です。ゲームが読めるのは%2語までで、ここで止まります")
                    .arg(i + 1)
                    .arg(kMaxWords),
                QStringLiteral("this is word %1; the game holds at most %2 words and stops here")
                    .arg(i + 1)
                    .arg(kMaxWords)};
        }
        checkAnswer(record, findings);
        const QString& answer = record.fields[0];
        const QString& word = record.fields[1];
        if (word.isEmpty()) continue;
        if (wordLine.contains(word)) {
            const QString first = QString::number(wordLine.value(word));
            if (wordAnswer.value(word) == answer)
                findings << Finding{line,
                                    QStringLiteral("「%1,%2」は%3行目と同じです").arg(answer, word, first),
                                    QStringLiteral("'%1,%2' repeats line %3").arg(answer, word, first)};
            else
                findings << Finding{line, QStringLiteral("ことば「%1」は%2行目にもあります").arg(word, first),
                                    QStringLiteral("word %1 is already on line %2").arg(word, first)};
        } else {
            wordLine.insert(word, line);
            wordAnswer.insert(word, answer);
        }
    }
    return findings;
}

} // namespace bankcheck
