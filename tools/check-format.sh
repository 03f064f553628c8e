#!/bin/bash
# Fails when a C++ file of the game, its tests, tools, fuzz targets or benchmarks differs from what
# clang-format makes of it with the project's .clang-format, or does not open with the licence's SPDX line;
# names each such file.
# Usage: tools/check-format.sh        (fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i)
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (./build.sh test installs it)"; exit 2; }
unformatted=()
while IFS= read -r file; do
    clang-format --style=file "$file" | cmp -s - "$file" || unformatted+=("$file")
    head -1 "$file" | grep -qx '// SPDX-License-Identifier: MIT' || unformatted+=("$file (no SPDX line)")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
    printf 'not formatted: %s\n' "${unformatted[@]}"
    echo "fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i"
    exit 1
fi
echo "all $(git ls-files '*.cpp' '*.h' | wc -l) C++ files are formatted"
