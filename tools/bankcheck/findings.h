// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

class DataFileError;

namespace bankcheck {

// One fault found in a data file, with the line a teacher has to fix. Teachers read the Japanese first; the
// English follows it, as in the game's own error box.
struct Finding {
    int line = 0; // 1-based; 0 when the fault concerns the file as a whole
    QString japanese;
    QString english;
    bool note = false; // a word to the teacher about a spelling the game plays; the file still passes
};

using Findings = QList<Finding>;

// A fault the game's reader found, in Japanese and in its own English words. firstLine is the line of the
// file that the reader's line 1 stands for.
Finding findingOf(const DataFileError& error, int firstLine = 1);

} // namespace bankcheck
