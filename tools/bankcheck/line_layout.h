// SPDX-License-Identifier: MIT
#pragma once

#include "findings.h"

#include <QByteArray>

namespace bankcheck {

// Checks how a data file is laid out, before its fields are read: every line ends in CR LF, no line is
// blank, the file ends right after the last record's line end, and every line holds `width` fields
// (recordShape, e.g. "answer,word", tells the teacher which). Works on the raw code page 932 bytes: a
// comma, quote, CR or LF byte never occurs inside a two-byte character.
Findings checkLineLayout(const QByteArray& bytes, int width, const QString& recordShape);

} // namespace bankcheck
