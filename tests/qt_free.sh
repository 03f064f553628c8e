#!/bin/bash
# SPDX-License-Identifier: MIT
# The folders and files below use the C++ standard library alone, so they can be built where no window
# library is (a browser): the services, the plain colour, and the rules of the screens. Fails naming file and
# line of every Qt header, Qt type or Qt macro found in them.
# Usage: qt_free.sh <pokuraku binary> <source dir> <binary dir>   (only the source dir is used)
set -euo pipefail

QT_FREE_PATHS="services/data services/random services/sound
    toolkit/colour.h toolkit/runtimeerror.h screens/datafile_message.h screens/datafile_message.cpp
    screens/main/rules.h screens/main/rules.cpp screens/main/colours.h
    screens/main/letterkeys.h screens/main/letterkeys.cpp screens/main/track.h screens/main/track.cpp
    screens/practice/rules.h screens/practice/rules.cpp screens/practice/look.h
    screens/opening/hops.h screens/opening/hops.cpp
    screens/chart/chart_table.h screens/chart/chart_table.cpp"

cd "${2:-$(dirname "$0")/..}"

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

paths=$(xargs <<<"$QT_FREE_PATHS") # on one line
[ "$faults" -eq 0 ] || { echo "$faults uses of Qt in files meant to be free of it ($paths)"; exit 1; }
echo "no Qt in $paths"
