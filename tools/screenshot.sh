#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Remakes docs/screenshot-main.png, and docs/screenshot-main@2x.png at scale factor 2, from a real window
# under Xvfb.
# usage: tools/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target pokuraku-screenshot
tool="$build/tools/screenshot/pokuraku-screenshot"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
# Qt wants a private runtime folder; give it one inside the temporary folder.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

source tests/e2e/xvfb.sh

# Runs a command on an Xvfb screen of the given size of its own.
on_display() {
    local size=$1
    shift
    xvfb_start "$size" "$work"
    QT_QPA_PLATFORM=xcb "$@"
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}

on_display 1024x768x24 "$tool" docs/screenshot-main.png
on_display 2048x1536x24 env QT_SCALE_FACTOR=2 "$tool" docs/screenshot-main@2x.png
echo "wrote docs/screenshot-main.png and docs/screenshot-main@2x.png"
on_display 1024x768x24 "$tool" --record docs/screenshot-record.png
echo "wrote docs/screenshot-record.png"
