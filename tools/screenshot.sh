#!/usr/bin/env bash
# Remakes docs/screenshot-main.png (and the HiDPI one at scale 2) from a real window under Xvfb.
# usage: tools/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target pokuraku-screenshot
tool="$build/tools/screenshot/pokuraku-screenshot"
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$tool" docs/screenshot-main.png
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$tool" docs/screenshot-main@2x.png
echo "wrote docs/screenshot-main.png and docs/screenshot-main@2x.png"
