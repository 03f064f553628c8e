#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang in their own build folder and runs each for a number of seconds:
#   fuzz/run.sh            10 seconds a target (the smoke run of CI)
#   fuzz/run.sh 3600       an hour a target
# The shipped data files and the bad-file corpus under tests/data/bad/ seed each run (so earlier finds are
# replayed first); what the fuzzer learns stays in <build>/corpus/<target>/ for the next run. A crash, a
# hang or a sanitizer report stops the script with the failing input under <build>/crashes/: fix the fault,
# add the input to tests/data/bad/romaji/ or tests/data/bad/romajimojiren/ (for fuzz_fieldreader without
# its first byte, which only chooses the field kinds) and state its outcome in tests/test_baddata.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build=build-fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

# Seeds for a target: the data file it reads, and the bad files of that kind.
seed() {
  local corpus=$1 name=$2
  case "$name" in
    fuzz_fieldreader)
      # The first byte chooses text or number fields; the rest is the file.
      for f in data/romaji.txt data/romajimojiren.txt tests/data/bad/*/*; do
        if [ -f "$f" ]; then
          { printf '\x92'; cat "$f"; } >"$corpus/seed-$(basename "$(dirname "$f")")-$(basename "$f")"
        fi
      done ;;
    fuzz_questionbank) cp data/romaji.txt tests/data/bad/romaji/* "$corpus"/ 2>/dev/null || true ;;
    fuzz_practicedata) cp data/romajimojiren.txt tests/data/bad/romajimojiren/* "$corpus"/ 2>/dev/null || true ;;
  esac
}

# The system's C++ library is built without frame pointers, so a longer allocation stack runs into junk
# frames that differ on every call; AddressSanitizer keeps each such stack, and its memory grows until
# libFuzzer reports a false out-of-memory after a few hours. Two frames (the allocation and its caller) stay exact.
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0:malloc_context_size=2
export UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$build/crashes"
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$build/corpus/$name
  mkdir -p "$corpus"
  seed "$corpus" "$name"
  echo "== $name: fuzzing for $seconds s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 \
      -artifact_prefix="$build/crashes/$name-" "$corpus" >"$build/$name.log" 2>&1; then
    tail -n 60 "$build/$name.log"
    echo "$name failed: the input is in $build/crashes/ (keep it in the corpus under tests/data/bad/)" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$build/$name.log" | sort -u || true
done
