# SPDX-License-Identifier: MIT
# With the IPA fonts hidden from fontconfig, as on most desktops, Japanese is drawn in another font (Noto
# Sans CJK JP) whose taller line box used to cut the tile letters in half. Every dealt tile shows its whole
# letter inside its rectangle: ink inside, none on the tile's outermost pixels; the long question word
# stands whole in its label too. Then the practice and chart windows are shown for a look.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

export FONTCONFIG_FILE=$source_dir/tests/fonts/without-ipa.conf
fc-list >"$work/fonts.txt"
! grep -qi ipa "$work/fonts.txt" || fail "the IPA fonts are still visible to fontconfig"
grep -q 'Noto Sans CJK JP' "$work/fonts.txt" || fail "no Noto Sans CJK JP to fall back on"

# Letters that reach high and low, a capital as wide as a tile, and a word longer than its label.
answer="gjpqyWQ^kfhtl"
make_folder "$answer,とうきょうとっきょきょかきょくのまどぐち"
start_display 1280x1024x24
start_game

await_main_window
await_twips dealt "$main" "$menu" 240 2880 450 555 shown "tile 12 shows no letter"

# Pixels of solid ink (darker than 40% grey) in a rectangle of the screenshot (pixels: width, height, x, y).
# A letter cut at an edge leaves its strokes there in solid ink; one drawn whole leaves at most the soft
# rim of a curve next to it.
solid_pixels() {
    convert "$work/dealt.png" -crop "$1x$2+$3+$4" +repage -colorspace gray -threshold 40% -negate \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
# Solid ink on the outermost rows and columns of a rectangle.
edge_pixels() {
    local w=$1 h=$2 x=$3 y=$4
    echo $(($(solid_pixels "$w" 1 "$x" "$y") + $(solid_pixels "$w" 1 "$x" $((y + h - 1))) +
        $(solid_pixels 1 "$h" "$x" "$y") + $(solid_pixels 1 "$h" $((x + w - 1)) "$y")))
}
for k in $(seq 0 $((${#answer} - 1))); do
    if [ "$k" -lt 12 ]; then left=$((240 + 480 * k)) top=2280; else left=$((240 + 480 * (k - 12))) top=2880; fi
    x=$((left / 15)) y=$((menu + top / 15)) w=30 h=37
    ink=$(dark_pixels dealt $w $h $x $y)
    edge=$(edge_pixels $w $h $x $y)
    echo "tile $k: $ink inked pixels, $edge on its edge"
    [ "$ink" -gt 10 ] || fail "tile $k shows no letter"
    [ "$edge" -eq 0 ] || fail "the letter on tile $k is cut at the tile's edge"
done
[ "$(dark_pixels dealt 30 37 $(((240 + 480 * 1) / 15)) $((menu + 2880 / 15)))" -eq 0 ] ||
    fail "a tile beyond the answer is dealt"
# The question word label: 0, 600, 5655 x 495 twips.
word=$(dark_pixels dealt 377 33 0 $((menu + 40)))
word_edge=$(edge_pixels 377 33 0 $((menu + 40)))
echo "question word: $word inked pixels, $word_edge on its edge"
[ "$word" -gt 200 ] || fail "the question word shows too little ink ($word)"
[ "$word_edge" -eq 0 ] || fail "the question word is cut at its label's edge"
shot root fallback-main
keep_shot fallback-main without-ipa-main

click_menu "$main" "$menu" 2
practice=$(wait_window '^ローマ字練習$' 10)
chart=$(wait_window '^ローマ字表$' 10)
# Both windows drawn: the practice chart's あ (120, 0, 465 x 375 twips) and the chart's top rows.
await_twips drawn "$practice" "$(menu_height "$practice" 269)" 120 0 465 375 shown "the practice chart is not drawn"
await_twips drawn "$chart" 0 0 120 5850 1500 shown "the chart is not drawn"
shot root fallback-practice
keep_shot fallback-practice without-ipa-practice
leave_practice_and_quit "$practice" "$menu"
echo "PASS"
