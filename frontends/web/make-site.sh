#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the site folder from the browser build: the page, the game, its pictures, its icons, the QR code
# library and the IPA fonts subset to the characters of the shipped data files and the game's own texts.
#   frontends/web/make-site.sh BUILD_DIR SITE_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
site=$(realpath -m "$2")
rm -rf "$site"
mkdir -p "$site/fonts" "$site/icons" "$site/pictures"
cp "$root"/frontends/web/site/{page.css,manifest.webmanifest} "$site/"
# The page's modules reach the browser as one: over HTTP/1.1 each module is a request of its own and the
# browser only links them once the last is in, which held the game's start up by a tenth of a second on a
# slow machine. boot.js stays a plain script of its own, since it must run before the game's script.
mkdir -p "$site/page"
cp "$root/frontends/web/site/page/boot.js" "$site/page/"
esbuild "$root/frontends/web/site/page/start.js" --bundle --format=esm --log-level=warning --outfile="$site/page.js"
# The QR code library of the word-list link, from Debian's node-qrcode-generator: a plain script.
mkdir -p "$site/vendor"
cp /usr/share/javascript/qrcode-generator/qrcode.js "$site/vendor/"
# The program's script and wasm carry one release name, taken from both, so that no browser can put the
# script of one release together with the wasm of another from its HTTP cache.
release=$(cat "$build/pokuraku.js" "$build/pokuraku.wasm" | sha256sum | cut -c1-12)
cp "$build/pokuraku.js" "$site/pokuraku-$release.js"
cp "$build/pokuraku.wasm" "$site/pokuraku-$release.wasm"
sed -e "s|pokuraku\.js|pokuraku-$release.js|g" -e "s|pokuraku\.wasm|pokuraku-$release.wasm|g" \
  "$root/frontends/web/site/index.html" > "$site/index.html"
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

# The service worker keeps every file of the site and checks each against its SHA-256 as it fetches it; its
# version changes with any of them. "./" is the page itself.
sums=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | sort | xargs sha256sum)
version=$(echo "$sums" | sha256sum | cut -c1-16)
list=$(echo "$sums" | awk '{ printf "%s\n  [\"%s\", \"%s\"]", (NR > 1 ? "," : ""), $2, $1;
  if ($2 == "index.html") printf ",\n  [\"./\", \"%s\"]", $1 }')
awk -v version="pokuraku-$version" -v list="[$list\n]" '{ gsub(/@VERSION@/, version); gsub(/@FILES@/, list); print }' \
  "$root/frontends/web/site/sw.js" > "$site/sw.js"
echo "site: $site ($(du -sh "$site" | cut -f1))"
