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

QString labelName(int label) {
    return QStringLiteral("label %1 (%2)").arg(QString::number(label), chartCaption(label));
}

// A few labels by number and caption; many as runs of numbers ("labels 1-3, 5-35").
QString listLabels(const QList<int>& labels) {
    QStringList parts;
    if (labels.size() <= 8) {
        for (int label : labels)
            parts << labelName(label);
        return parts.join(QStringLiteral(", "));
    }
    for (qsizetype i = 0; i < labels.size();) {
        qsizetype j = i;
        while (j + 1 < labels.size() && labels[j + 1] == labels[j] + 1)
            ++j;
        parts << (i == j ? QString::number(labels[i])
                         : QStringLiteral("%1-%2").arg(labels[i]).arg(labels[j]));
        i = j + 1;
    }
    return QStringLiteral("labels %1 (%2 labels)")
        .arg(parts.join(QStringLiteral(", ")), QString::number(labels.size()));
}

void checkPrompt(const QString& prompt, int label, int line, Findings& findings) {
    if (prompt.isEmpty()) {
        findings << Finding{line, QStringLiteral("the prompt is empty")};
        return;
    }
    const QStringList kana = captionKana(chartCaption(label));
    for (const QString& k : kana) {
        if (isSpelling(romanise(k), prompt)) return;
    }
    findings << Finding{line, QStringLiteral("prompt '%1' is not a spelling of %2 (expected e.g. %3)")
                                  .arg(prompt, kana.first(), preferredSpelling(romanise(kana.first())))};
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
                line, QStringLiteral("label number '%1' is not a whole number").arg(record.fields[2])};
            continue;
        }
        if (label < 0 || label >= kChartLabelCount) {
            findings << Finding{line, QStringLiteral("label number %1 names no chart label; they are 0 to %2")
                                          .arg(label)
                                          .arg(kChartLabelCount - 1)};
            continue;
        }
        named.insert(label);
        if (answer != chartCaption(label)) {
            QString text =
                QStringLiteral("answer '%1' is not the caption of %2").arg(answer, labelName(label));
            const int other = labelWithCaption(answer);
            if (other >= 0) text += QStringLiteral("; it is the caption of label %1").arg(other);
            findings << Finding{line, text};
        }
        checkPrompt(prompt, label, line, findings);
        if (prompt.isEmpty()) continue;
        if (!promptLabel.contains(prompt)) {
            promptLabel.insert(prompt, label);
            promptLine.insert(prompt, line);
        } else if (promptLabel.value(prompt) != label) {
            findings << Finding{line, QStringLiteral("prompt '%1' is also used for %2 on line %3; the player "
                                                     "cannot tell which label is meant")
                                          .arg(prompt, labelName(promptLabel.value(prompt)),
                                               QString::number(promptLine.value(prompt)))};
        }
    }
    QList<int> missing;
    for (int label = 0; label < kChartLabelCount; ++label) {
        if (!named.contains(label)) missing << label;
    }
    if (!missing.isEmpty()) {
        findings << Finding{0, QStringLiteral("no record names %1; a practice run finishes only when all %2 "
                                              "chart labels can be answered")
                                   .arg(listLabels(missing), QString::number(kChartLabelCount))};
    }
    return findings;
}

} // namespace bankcheck
