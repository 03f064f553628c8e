#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Benchmarks of the game against a bare Qt Widgets window built in the same tree, on an Xvfb display of
# its own. Prints figures and their ratios to the bare window; never fails on them.
#   bench/run.sh
# Settings (environment): BENCH_BUILD_DIR (build-bench, RelWithDebInfo), BENCH_RUNS (5 starts of each
# program; the median is shown), BENCH_IDLE_SECONDS (10), BENCH_VISITS (1000).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-bench}
runs=${BENCH_RUNS:-5}
idle=${BENCH_IDLE_SECONDS:-10}
visits=${BENCH_VISITS:-1000}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target pokuraku pokuraku_barewindow pokuraku_visits pokuraku_mapwatch >/dev/null
game=$(realpath "$build/pokuraku")
bench=$(realpath "$build/bench")

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
source tests/e2e/xvfb.sh
xvfb_start 1280x1024x24 "$work"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/game"
cp data/* "$work/game/"
cd "$work/game"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
figure() { awk -v key="$1" '$1 == key { print $2 }' "$2"; }
mapped() { awk -v want="$1" '$1 == "mapped" && index($0, want) { print $2 }' "$2"; }

# Each program is started $runs times; the last start also stays idle for $idle seconds before its
# memory is read.
for i in $(seq "$runs"); do
    wait_idle=0
    [ "$i" -eq "$runs" ] && wait_idle=$idle
    "$bench/pokuraku_mapwatch" --until "bare window" --idle "$wait_idle" -- "$bench/pokuraku_barewindow" \
        >"$work/bare$i.txt" 2>/dev/null
    "$bench/pokuraku_mapwatch" --until "オープニング" --until "Ver.7.2" --idle "$wait_idle" -- "$game" --zoom 1 \
        >"$work/game$i.txt" 2>/dev/null
done
bare_map=$(for i in $(seq "$runs"); do mapped "bare window" "$work/bare$i.txt"; done | median)
opening_map=$(for i in $(seq "$runs"); do mapped "オープニング" "$work/game$i.txt"; done | median)
main_map=$(for i in $(seq "$runs"); do mapped "Ver.7.2" "$work/game$i.txt"; done | median)
bare_peak=$(figure peak_rss_kib "$work/bare$runs.txt")
game_peak=$(figure peak_rss_kib "$work/game$runs.txt")
bare_anon=$(figure rss_anon_kib "$work/bare$runs.txt")
game_anon=$(figure rss_anon_kib "$work/game$runs.txt")
bare_file=$(figure rss_file_kib "$work/bare$runs.txt")
game_file=$(figure rss_file_kib "$work/game$runs.txt")
bare_cpu=$(figure idle_cpu_percent "$work/bare$runs.txt")
game_cpu=$(figure idle_cpu_percent "$work/game$runs.txt")

"$bench/pokuraku_visits" "$visits" >"$work/visits.txt" 2>/dev/null
"$bench/pokuraku_barewindow" --visits "$visits" >"$work/barevisits.txt" 2>/dev/null
game_before=$(figure rss_before_kib "$work/visits.txt")
game_after=$(figure rss_after_kib "$work/visits.txt")
bare_before=$(figure rss_before_kib "$work/barevisits.txt")
bare_after=$(figure rss_after_kib "$work/barevisits.txt")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }
row() { printf '| %-56s | %9s | %11s | %6s | %-12s |\n' "$@"; }
echo
echo "pokuraku benchmarks: $(date -u +%Y-%m-%d), $(nproc) cores, Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6), median of $runs starts"
echo
row "figure" "game" "bare window" "ratio" "target"
row "---" "---" "---" "---" "---"
row "exec to opening window mapped (ms)" "$opening_map" "$bare_map" "$(ratio "$opening_map" "$bare_map")" "≤ 1.3 × bare"
row "exec to main window mapped (ms; opening plays first)" "$main_map" "$bare_map" "$(ratio "$main_map" "$bare_map")" "-"
row "peak RSS (KiB)" "$game_peak" "$bare_peak" "$(ratio "$game_peak" "$bare_peak")" "< 1.5 × bare"
row "  RSS after idle: the program's own memory (KiB)" "$game_anon" "$bare_anon" "$(ratio "$game_anon" "$bare_anon")" "-"
row "  RSS after idle: mapped files, code and fonts (KiB)" "$game_file" "$bare_file" "$(ratio "$game_file" "$bare_file")" "-"
row "CPU over ${idle} s idle on the main screen (% of a core)" "$game_cpu" "$bare_cpu" "$(ratio "$game_cpu" "$bare_cpu")" "< 0.3 %"
row "RSS before $visits visits (KiB)" "$game_before" "$bare_before" "$(ratio "$game_before" "$bare_before")" "-"
row "RSS after $visits visits (KiB)" "$game_after" "$bare_after" "$(ratio "$game_after" "$bare_after")" "-"
row "RSS growth over $visits visits (KiB)" "$((game_after - game_before))" "$((bare_after - bare_before))" \
    "$(ratio $((game_after - game_before)) $((bare_after - bare_before)))" "< 2048 KiB"
echo
echo "Visits: the game opens and leaves the practice screen and the opening screen $visits times each; the bare"
echo "window program opens and destroys a window $visits times."
grep -E '^(loaded_screens|top_level_widgets)' "$work/visits.txt" | sed 's/^/game after the visits: /'
