// SPDX-License-Identifier: MIT
#include "line_layout.h"

namespace bankcheck {
namespace {

enum class LineEnd { CrLf, Lf, Cr, None };

struct Line {
    QByteArray text;
    LineEnd end;
};

// Splits at CR LF, LF or a lone CR, as the game's reader does.
QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        LineEnd end = bytes[i] == '\n' ? LineEnd::Lf : LineEnd::Cr;
        const qsizetype text = i - start;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            end = LineEnd::CrLf;
            ++i;
        }
        lines << Line{bytes.mid(start, text), end};
        start = i + 1;
    }
    if (start < bytes.size()) lines << Line{bytes.mid(start), LineEnd::None};
    return lines;
}

bool isBlank(const QByteArray& text) {
    for (char c : text) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

// Commas outside double quotes separate fields.
int fieldCount(const QByteArray& text) {
    int fields = 1;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) ++fields;
    }
    return fields;
}

} // namespace

Findings checkLineLayout(const QByteArray& bytes, int width, const QString& recordShape) {
    Findings findings;
    const QList<Line> lines = splitLines(bytes);
    int firstOddEnd = 0;
    int oddEnds = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const Line& line = lines[i];
        if (line.end == LineEnd::Lf || line.end == LineEnd::Cr) {
            if (oddEnds++ == 0) firstOddEnd = lineNo;
        }
        if (line.end == LineEnd::None) {
            findings << Finding{lineNo, QStringLiteral("the last line has no line end; end it with CR LF")};
        }
        if (isBlank(line.text)) {
            findings << Finding{lineNo, QStringLiteral("the line is blank; the file holds one record on "
                                                       "every line and nothing after the last one")};
            continue;
        }
        const int fields = fieldCount(line.text);
        if (fields != width) {
            findings << Finding{lineNo, QStringLiteral("the line holds %1 field(s); each line holds %2: %3")
                                            .arg(fields)
                                            .arg(width)
                                            .arg(recordShape)};
        }
    }
    if (oddEnds > 0) {
        QString text = QStringLiteral("the line ends with a bare LF or CR; lines end with CR LF");
        if (oddEnds > 1) text += QStringLiteral(" (%1 more line(s) as well)").arg(oddEnds - 1);
        findings << Finding{firstOddEnd, text};
    }
    return findings;
}

} // namespace bankcheck
