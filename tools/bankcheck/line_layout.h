// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"

#include <QByteArrayView>

namespace bankcheck {

// What each line of a data file holds: its number of fields and their names, for the teacher.
struct RecordShape {
    int width;
    QString japanese; // "答え,ことば"
    QString english;  // "answer,word"
};

RecordShape bankShape();
RecordShape practiceShape();

// One line of a data file as the game reads it. A line break inside double quotes belongs to the quoted
// field, so such a line runs on over several lines of the file.
struct TextLine {
    qsizetype start = 0;    // offset of its first byte
    qsizetype size = 0;     // its bytes, up to its line end
    int line = 1;           // the line of the file it begins on (1-based)
    int lastLine = 1;       // the line of the file it ends on
    int fields = 1;         // commas outside double quotes, plus one
    bool openQuote = false; // a double quote on it is never closed; the line stops at the next line end
};

// Splits at the line ends (CR LF, LF or a lone CR) outside double quotes, as the game's field reader sees
// them: a field that begins with a double quote runs to the next one, wherever it stands. Works on UTF-8 and
// on code page 932 bytes alike: a comma, quote, CR or LF byte never occurs inside a two-byte character.
QList<TextLine> splitTextLines(QByteArrayView bytes);

// Checks how a data file is laid out, before its fields are read: every line holds `shape.width` fields and
// no line among the records is blank. Blank lines after the last record and the kind of line end (CR LF,
// LF or CR) are all read alike by the game, so they are no fault.
Findings checkLineLayout(QByteArrayView bytes, const RecordShape& shape);

} // namespace bankcheck
