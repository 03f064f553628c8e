#!/bin/bash
# The folders below use the C++ standard library alone, so they can be built where no window library is
# (a browser). Fails naming file and line of every Qt header, Qt type or Qt macro found in them.
# Usage: qt_free.sh <pokuraku binary> <source dir> <binary dir>   (only the source dir is used)
set -euo pipefail

QT_FREE_FOLDERS="services/data services/random services/sound"

cd "${2:-$(dirname "$0")/..}"

# A Qt or SDL header (#include <QString>, <QtCore/…>, <qglobal.h>, <SDL.h>), a Qt type or macro (QString, QStringLiteral,
# Q_OBJECT, Q_DECL_…) or one of Qt's global functions (qPrintable(, qEnvironmentVariable(, qDebug()).
# The text of comments counts too: a folder free of Qt has no need to name it.
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|q[a-z]+\.h|SDL)'
name='\bQ[A-Z][A-Za-z]*\b|\bQ_[A-Z_]+\b|\bq[A-Z][a-zA-Z]+\('

faults=0
for folder in $QT_FREE_FOLDERS; do
    [ -d "$folder" ] || { echo "$folder: no such folder"; faults=$((faults + 1)); continue; }
    while IFS= read -r hit; do
        echo "$hit"
        faults=$((faults + 1))
    done < <(grep -rnE --include='*.h' --include='*.cpp' "$include|$name" "$folder" || true)
done

[ "$faults" -eq 0 ] || { echo "$faults uses of Qt in folders meant to be free of it ($QT_FREE_FOLDERS)"; exit 1; }
echo "no Qt in $QT_FREE_FOLDERS"
