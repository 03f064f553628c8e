// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace bankcheck {

// One fault found in a data file, with the line a teacher has to fix.
struct Finding {
    int line = 0; // 1-based; 0 when the fault concerns the file as a whole
    QString text;
};

using Findings = QList<Finding>;

} // namespace bankcheck
