#!/bin/bash
# The folders are floors, top to bottom: app/ (main and the program object), screens/, services/, toolkit/.
# A file includes only from its own floor or the floors below; a screen never includes another screen's
# folder (it reaches the others through screens/peers.h), and a service never includes another service.
# Usage: layers.sh <pokuraku binary> <source dir> <binary dir>
set -euo pipefail
cd "$2"

# The floor of a path: app 3, screens 2, services 1, toolkit 0; anything else (Qt, std) is not a floor.
floor() {
    case $1 in
    app/*) echo 3 ;;
    screens/*) echo 2 ;;
    services/*) echo 1 ;;
    toolkit/*) echo 0 ;;
    *) echo -1 ;;
    esac
}

# The folder a screen or service owns: screens/main, services/sound; files at the top of screens/ (the
# peers and services a screen is given) belong to every screen.
unit() {
    case $1 in
    screens/*/* | services/*/*) echo "$1" | cut -d/ -f1-2 ;;
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
        elif [ "$to" -eq "$from" ] && [ "$from" -ge 1 ] && [ "$from" -le 2 ]; then
            mine=$(unit "$file") theirs=$(unit "$included")
            if [ -n "$theirs" ] && [ "$mine" != "$theirs" ]; then
                echo "$file includes $included from another folder of its floor"
                faults=$((faults + 1))
            fi
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files 'app/*' 'screens/*' 'services/*' 'toolkit/*' | grep -E '\.(cpp|h)$')

[ "$faults" -eq 0 ] || { echo "$faults includes run against the floors"; exit 1; }
echo "every include stays on its floor or goes down"
