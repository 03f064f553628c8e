#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the site folder from the browser build: the page, the game, its pictures, its icons and the IPA
# fonts subset to the characters of the shipped data files and the game's own texts.
#   frontends/web/make-site.sh BUILD_DIR SITE_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
site=$(realpath -m "$2")
rm -rf "$site"
mkdir -p "$site/fonts" "$site/icons" "$site/pictures"
cp "$root"/frontends/web/site/{index.html,page.js,page.css,manifest.webmanifest} "$site/"
cp "$build/pokuraku.js" "$build/pokuraku.wasm" "$site/"
(cd "$root/assets" && cp -r --parents creatures cursors main opening "$site/pictures/")
cp "$root/assets/icon/pokuraku.png" "$site/icons/"
for size in 192 512; do
  convert "$root/assets/icon/hicolor/256x256/pokuraku.png" -resize "${size}x${size}" "$site/icons/pokuraku-$size.png"
done

# The characters the fonts must hold: everything printable in ASCII, the kana, and every character of the
# data files and of the texts in the game's and the page's code.
chars=$(mktemp)
trap 'rm -f "$chars"' EXIT
/usr/bin/python3 - "$root" > "$chars" <<'PY'
import pathlib, sys
root = pathlib.Path(sys.argv[1])
text = set(chr(c) for c in range(0x20, 0x7f))
text |= set(chr(c) for c in range(0x3000, 0x3100))  # punctuation, hiragana, katakana
text |= set(chr(c) for c in range(0xff01, 0xffa0))  # full-width letters and half-width kana
for name in ["data/romaji.txt", "data/romajimojiren.txt"]:
    raw = (root / name).read_bytes()
    try:
        text |= set(raw.decode("utf-8"))
    except UnicodeDecodeError:
        text |= set(raw.decode("cp932"))
for folder in ["screens", "frontends/web", "services/romaji"]:
    for path in (root / folder).rglob("*"):
        if path.suffix in {".cpp", ".h", ".js", ".html"}:
            text |= set(path.read_text(encoding="utf-8"))
print("".join(sorted(c for c in text if c.isprintable())))
PY
subset() {
  /usr/bin/python3 -m fontTools.subset "$1" --text-file="$chars" --flavor=woff2 --layout-features='*' --output-file="$2"
}
subset /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$site/fonts/pk-pgothic.woff2"
subset /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$site/fonts/pk-gothic.woff2"
subset /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf "$site/fonts/pk-mincho.woff2"

# The service worker keeps every file of the site; its version changes with any of them.
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | sort)
version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(echo "$files" | awk 'BEGIN { printf "[\"./\"" } { printf ", \"%s\"", $0 } END { printf "]" }')
sed -e "s|@VERSION@|pokuraku-$version|" -e "s|@FILES@|$list|" "$root/frontends/web/site/sw.js" > "$site/sw.js"
echo "site: $site ($(du -sh "$site" | cut -f1))"
