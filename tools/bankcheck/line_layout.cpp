// SPDX-License-Identifier: MIT
#include "line_layout.h"

namespace bankcheck {
namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool isBlank(QByteArrayView text) {
    for (char c : text) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

} // namespace

RecordShape bankShape() {
    return {2, QStringLiteral("答え,ことば"), QStringLiteral("answer,word")};
}

RecordShape practiceShape() {
    return {3, QStringLiteral("出題,答え,ラベル番号"), QStringLiteral("prompt,answer,label number")};
}

QList<TextLine> splitTextLines(QByteArrayView bytes) {
    QList<TextLine> lines;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    int lineNo = 1;
    while (i < n) {
        TextLine line{i, 0, lineNo};
        // A field: blanks, then a quoted text or plain text, then anything up to the next comma or line end.
        for (;;) {
            while (i < n && (bytes[i] == ' ' || bytes[i] == '\t'))
                ++i;
            if (i < n && bytes[i] == '"') {
                const qsizetype close = bytes.indexOf('"', i + 1);
                if (close < 0) {
                    line.openQuote = true;
                    while (i < n && !isLineEnd(bytes[i]))
                        ++i;
                    break;
                }
                for (qsizetype k = i + 1; k < close; ++k) {
                    if (bytes[k] == '\n' || (bytes[k] == '\r' && bytes[k + 1] != '\n')) ++lineNo;
                }
                i = close + 1;
            }
            while (i < n && bytes[i] != ',' && !isLineEnd(bytes[i]))
                ++i;
            if (i >= n || bytes[i] != ',') break;
            ++line.fields;
            ++i;
        }
        line.size = i - line.start;
        line.lastLine = lineNo;
        lines << line;
        if (i < n) i += bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n' ? 2 : 1;
        ++lineNo;
    }
    return lines;
}

Findings checkLineLayout(QByteArrayView bytes, const RecordShape& shape) {
    Findings findings;
    const QList<TextLine> lines = splitTextLines(bytes);
    qsizetype records = lines.size(); // the blank lines after the last record are passed over
    while (records > 0 && isBlank(bytes.sliced(lines[records - 1].start, lines[records - 1].size)))
        --records;
    for (qsizetype i = 0; i < records; ++i) {
        const TextLine& line = lines[i];
        if (isBlank(bytes.sliced(line.start, line.size))) {
            findings << Finding{
                line.line, QStringLiteral("空の行です。この後の行がずれて読まれるので、消してください"),
                QStringLiteral("the line is blank; the game would read the lines after it out "
                               "of step, so delete it")};
        } else if (!line.openQuote && line.fields != shape.width) {
            // The reader's own fault names an unclosed quote; its fields are not counted.
            Finding f{line.line,
                      QStringLiteral("この行の項目は%1個です。1行に%2個（%3）をコンマで区切って書きます")
                          .arg(QString::number(line.fields), QString::number(shape.width), shape.japanese),
                      QStringLiteral("the line holds %1 field(s); each line holds %2: %3")
                          .arg(QString::number(line.fields), QString::number(shape.width), shape.english)};
            if (line.lastLine > line.line) {
                f.japanese +=
                    QStringLiteral("（「\"」の中の改行で%1行目まで続いています）").arg(line.lastLine);
                f.english += QStringLiteral(" (a double quote carries it on to line %1)").arg(line.lastLine);
            }
            findings << f;
        }
    }
    return findings;
}

} // namespace bankcheck
