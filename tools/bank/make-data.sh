#!/bin/bash
# SPDX-License-Identifier: MIT
# Writes the game's two data files from their UTF-8 sources in this folder: data/romaji.txt (question bank)
# and data/romajimojiren.txt (practice data). The game reads code page 932 (Shift_JIS) with CR LF line
# ends, one record per line and nothing after the last record's line end, so comment lines (#) and blank
# lines of the sources are left out. Stops if a source holds a character code page 932 cannot hold.
# Usage: tools/bank/make-data.sh   (run from anywhere; needs iconv)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../../data" && pwd)

generate() {
    local source=$1 target=$2
    sed -e '/^#/d' -e '/^[[:space:]]*$/d' -e 's/$/\r/' "$source" | iconv -f UTF-8 -t CP932 >"$target.new"
    mv "$target.new" "$target"
    printf '%-22s %4d records\n' "$(basename "$target")" "$(grep -c '' "$target")"
}

generate "$here/romaji.utf8.txt" "$data/romaji.txt"
generate "$here/romajimojiren.utf8.txt" "$data/romajimojiren.txt"
