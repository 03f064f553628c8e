#!/bin/bash
# SPDX-License-Identifier: MIT
# Remakes every picture, cursor and icon in assets/ with tools/artgen, each at its defined size and again
# at twice that size as name@2x.<ext> for screens scaled by two (the defined ones come out unchanged).
# Needs qt6-base-dev, cmake, imagemagick and the fonts fonts-noto-color-emoji, fonts-noto-cjk,
# fonts-ipafont-gothic and fonts-dejavu-core.
# Usage: tools/make-art.sh        (build folder: build-art/artgen, or $ARTGEN_BUILD_DIR)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${ARTGEN_BUILD_DIR:-$root/build-art/artgen}
assets=$root/assets

command -v convert >/dev/null || { echo "make-art.sh: ImageMagick's convert is needed" >&2; exit 1; }

cmake -S "$root/tools/artgen" -B "$build" >/dev/null
cmake --build "$build" --target pokuraku-artgen -j2 >/dev/null

staging=$(mktemp -d)
runtime=$(mktemp -d) # Qt wants a private runtime folder even when drawing off screen
trap 'rm -rf "$staging" "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime "$build/pokuraku-artgen" "$staging"

# Qt cannot write GIF: the pictures the game loads as GIF come out as <name>.gif.png and are
# converted here, flattened on white with one palette of at most 256 colours and no dithering
# (dither speckles look like dirt at these small sizes).
count=0
while IFS= read -r -d '' file; do
    rel=${file#"$staging"/}
    mkdir -p "$assets/$(dirname "$rel")"
    case $rel in
    *.gif.png)
        convert "$file" -background white -alpha remove -alpha off +dither -colors 256 -strip \
            "$assets/${rel%.png}"
        ;;
    *.png)
        cp "$file" "$assets/$rel"
        ;;
    esac
    count=$((count + 1))
done < <(find "$staging" -type f -name '*.png' -print0 | sort -z)
echo "make-art.sh: wrote $count pictures into $assets"
