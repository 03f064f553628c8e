#!/bin/bash
# SPDX-License-Identifier: MIT
# The game itself (the toolkit's contract, the services, the screens and the program object) uses the C++
# standard library alone, so it can be built where no window library is (a browser); only the desktop front
# end (frontends/qt/) and its entry point (app/) know Qt. So do the game's tests (tests/test_*.cpp and their
# support), which play it on a display with no screen; only the desktop's own tests (tests/qt/) know Qt.
# Fails naming file and line of every Qt header, Qt type or Qt macro found in the game or its tests.
# Usage: qt_free.sh <pokuraku binary> <source dir> <binary dir>   (only the source dir is used)
set -euo pipefail

cd "${2:-$(dirname "$0")/..}"

QT_FREE_PATHS="toolkit services screens game tests/support $(echo tests/test_*.cpp)"

# A Qt or SDL header (#include <QString>, <QtCore/…>, <qglobal.h>, <SDL.h>), a Qt type or macro (QString,
# QStringLiteral, Q_OBJECT, Q_DECL_…) or one of Qt's global functions (qPrintable(, qEnvironmentVariable(,
# qDebug()).
# The text of comments counts too: a file free of Qt has no need to name it.
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|q[a-z]+\.h|SDL)'
name='\bQ[A-Z][A-Za-z]*\b|\bQ_[A-Z_]+\b|\bq[A-Z][a-zA-Z]+\('

faults=0
for path in $QT_FREE_PATHS; do
    # A file is searched by itself (named with -H, so every hit says which file); a folder, its sources.
    [ -e "$path" ] || { echo "$path: no such file or folder"; faults=$((faults + 1)); continue; }
    while IFS= read -r hit; do
        echo "$hit"
        faults=$((faults + 1))
    done < <(grep -rHnE --include='*.h' --include='*.cpp' "$include|$name" "$path" || true)
done

paths="toolkit services screens game tests/support tests/test_*.cpp"
[ "$faults" -eq 0 ] || { echo "$faults uses of Qt in files meant to be free of it ($paths)"; exit 1; }
echo "no Qt in $paths"
