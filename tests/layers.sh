#!/bin/bash
# SPDX-License-Identifier: MIT
# The folders are floors, top to bottom: app/ (the entry point), game/ (the program object and the way
# through the screens), frontends/ (a front end: the toolkit and the audio device on one platform, the
# desktop's in Qt Widgets and SDL), screens/, services/, toolkit/. A file includes
# only from its own floor or the floors below; a screen never includes another screen's folder (it reaches
# the others through screens/navigator.h), a service never includes another service, and a front end never
# includes another front end. Only app/ picks a front end: a front end itself stands on the services and
# the toolkit alone, never on the screens.
# Usage: layers.sh <pokuraku binary> <source dir> <binary dir>
set -euo pipefail
cd "$2"

# The floor of a path: app 5, game 4, frontends 3, screens 2, services 1, toolkit 0; anything else (Qt,
# SDL, std) is not a floor.
floor() {
    case $1 in
    app/*) echo 5 ;;
    game/*) echo 4 ;;
    frontends/*) echo 3 ;;
    screens/*) echo 2 ;;
    services/*) echo 1 ;;
    toolkit/*) echo 0 ;;
    *) echo -1 ;;
    esac
}

# The folder a screen, service or front end owns: screens/main, services/sound, frontends/qt; files at the
# top of screens/ (the peers and services a screen is given) belong to every screen.
unit() {
    case $1 in
    screens/*/* | services/*/* | frontends/*/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "" ;;
    esac
}

faults=0
while IFS= read -r file; do
    from=$(floor "$file")
    while IFS= read -r included; do
        to=$(floor "$included")
        [ "$to" -ge 0 ] || continue
        if [ "$to" -gt "$from" ]; then
            echo "$file includes $included from a floor above it"
            faults=$((faults + 1))
        elif [ "$from" -eq 4 ] && [ "$to" -eq 3 ]; then
            echo "$file includes $included: only the entry point picks a front end"
            faults=$((faults + 1))
        elif [ "$from" -eq 3 ] && [ "$to" -eq 2 ]; then
            echo "$file includes $included: a front end stands on the services and the toolkit only"
            faults=$((faults + 1))
        elif [ "$to" -eq "$from" ] && [ "$from" -ge 1 ] && [ "$from" -le 3 ]; then
            mine=$(unit "$file") theirs=$(unit "$included")
            if [ -n "$theirs" ] && [ "$mine" != "$theirs" ]; then
                echo "$file includes $included from another folder of its floor"
                faults=$((faults + 1))
            fi
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files 'app/*' 'game/*' 'frontends/*' 'screens/*' 'services/*' 'toolkit/*' | grep -E '\.(cpp|h)$')

[ "$faults" -eq 0 ] || { echo "$faults includes run against the floors"; exit 1; }
echo "every include stays on its floor or goes down"
