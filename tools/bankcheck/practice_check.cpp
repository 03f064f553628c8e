// SPDX-License-Identifier: MIT
#include "practice_check.h"

#include "chart_labels.h"
#include "kana_romaji.h"

#include <QHash>
#include <QSet>

namespace bankcheck {
namespace {

// The label whose caption is text, or -1.
int labelWithCaption(const QString& text) {
    for (int i = 0; i < kChartLabelCount; ++i) {
        if (chartCaption(i) == text) return i;
    }
    return -1;
}

QString labelName(int label, bool japanese) {
    return (japanese ? QStringLiteral("ラベル%1（%2）") : QStringLiteral("label %1 (%2)"))
        .arg(QString::number(label), chartCaption(label));
}

// A few labels by number and caption; many as runs of numbers ("labels 1-3, 5-35").
QString listLabels(const QList<int>& labels, bool japanese) {
    QStringList parts;
    if (labels.size() <= 8) {
        for (int label : labels)
            parts << labelName(label, japanese);
        return parts.join(japanese ? QStringLiteral("、") : QStringLiteral(", "));
    }
    for (qsizetype i = 0; i < labels.size();) {
        qsizetype j = i;
        while (j + 1 < labels.size() && labels[j + 1] == labels[j] + 1)
            ++j;
        parts << (i == j ? QString::number(labels[i])
                         : QStringLiteral("%1-%2").arg(labels[i]).arg(labels[j]));
        i = j + 1;
    }
    return (japanese ? QStringLiteral("ラベル%1（%2個）") : QStringLiteral("labels %1 (%2 labels)"))
        .arg(parts.join(QStringLiteral(", ")), QString::number(labels.size()));
}

void checkPrompt(const QString& prompt, int label, int line, Findings& findings) {
    if (prompt.isEmpty()) {
        findings << Finding{line, QStringLiteral("出題が空です"), QStringLiteral("the prompt is empty")};
        return;
    }
    const QStringList kana = captionKana(chartCaption(label));
    for (const QString& k : kana) {
        if (isSpelling(romanise(k), prompt)) return;
    }
    const QString expected = preferredSpelling(romanise(kana.first()));
    findings << Finding{line,
                        QStringLiteral("出題「%1」は「%2」のローマ字のつづりではありません（例：%3）")
                            .arg(prompt, kana.first(), expected),
                        QStringLiteral("prompt '%1' is not a spelling of %2 (expected e.g. %3)")
                            .arg(prompt, kana.first(), expected)};
}

} // namespace

Findings checkPractice(const QList<Record>& records) {
    Findings findings;
    QSet<int> named;
    QHash<QString, int> promptLabel; // the label and line a prompt was first used for
    QHash<QString, int> promptLine;
    for (int i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        const int line = record.line;
        if (i == kMaxPracticeRecords) {
            findings << Finding{line,
                                QStringLiteral("%1件目です。ゲームが読めるのは%2件までで、ここで止まります")
                                    .arg(i + 1)
                                    .arg(kMaxPracticeRecords),
                                QStringLiteral("this is record %1; the game holds at most %2 and stops here")
                                    .arg(i + 1)
                                    .arg(kMaxPracticeRecords)};
        }
        const QString& prompt = record.fields[0];
        const QString& answer = record.fields[1];
        bool isNumber = false;
        const int label = record.fields[2].trimmed().toInt(&isNumber);
        if (!isNumber) {
            findings << Finding{
                line, QStringLiteral("ラベル番号「%1」が整数ではありません").arg(record.fields[2]),
                QStringLiteral("label number '%1' is not a whole number").arg(record.fields[2])};
            continue;
        }
        if (label < 0 || label >= kChartLabelCount) {
            const QString last = QString::number(kChartLabelCount - 1);
            findings << Finding{line,
                                QStringLiteral("ラベル番号%1の表のラベルはありません。番号は0から%2までです")
                                    .arg(QString::number(label), last),
                                QStringLiteral("label number %1 names no chart label; they are 0 to %2")
                                    .arg(QString::number(label), last)};
            continue;
        }
        named.insert(label);
        if (answer != chartCaption(label)) {
            Finding f{
                line,
                QStringLiteral("答え「%1」は%2の文字ではありません").arg(answer, labelName(label, true)),
                QStringLiteral("answer '%1' is not the caption of %2").arg(answer, labelName(label, false))};
            const int other = labelWithCaption(answer);
            if (other >= 0) {
                f.japanese += QStringLiteral("（ラベル%1の文字です）").arg(other);
                f.english += QStringLiteral("; it is the caption of label %1").arg(other);
            }
            findings << f;
        }
        checkPrompt(prompt, label, line, findings);
        if (prompt.isEmpty()) continue;
        if (!promptLabel.contains(prompt)) {
            promptLabel.insert(prompt, label);
            promptLine.insert(prompt, line);
        } else if (promptLabel.value(prompt) != label) {
            const int other = promptLabel.value(prompt);
            const QString first = QString::number(promptLine.value(prompt));
            findings << Finding{
                line,
                QStringLiteral("出題「%1」は%2行目で%3にも使われています。どちらのラベルのことか"
                               "わかりません")
                    .arg(prompt, first, labelName(other, true)),
                QStringLiteral("prompt '%1' is also used for %2 on line %3; the player "
                               "cannot tell which label is meant")
                    .arg(prompt, labelName(other, false), first)};
        }
    }
    QList<int> missing;
    for (int label = 0; label < kChartLabelCount; ++label) {
        if (!named.contains(label)) missing << label;
    }
    if (!missing.isEmpty()) {
        const QString all = QString::number(kChartLabelCount);
        findings << Finding{
            0,
            QStringLiteral("%1を出すデータがありません。表の%2個のラベルがすべて答えられないと、"
                           "練習が終わりません")
                .arg(listLabels(missing, true), all),
            QStringLiteral("no record names %1; a practice run finishes only when all %2 "
                           "chart labels can be answered")
                .arg(listLabels(missing, false), all)};
    }
    return findings;
}

} // namespace bankcheck
