# SPDX-License-Identifier: MIT
# The real program on a real (virtual) display: with a one-word bank it shows the opening window, then the
# main window; pressing the letter tiles at their places and OK answers the word; the practice screen
# opens from the menu and is left again; the quit command ends the process with status 0.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

# The answer has two equal letters, so any order of the shuffled tiles spells it.
make_folder "ii,いい"
start_display
start_game

wait_window '^オープニング$' 20 >/dev/null
await_main_window
[ "$menu" -gt 5 ] && [ "$menu" -lt 60 ] || fail "the main window is $menu pixels taller than its client area"

# Tile k of the first row stands at left 240 + 480 k, top 2280, 450 x 555 twips; the OK button at 3480, 2400;
# the correct-answer mark at 4080, 1080. Each check waits for the window to show what it expects.
tile() { echo $((240 + 480 * $1)) 2280 450 555; }
ok="3480 2400 1095 372"
mark="4080 1080 735 700"
await_twips dealt "$main" "$menu" $(tile 0) shown "tile 0 shows no letter"
await_twips dealt "$main" "$menu" $(tile 1) shown "tile 1 shows no letter"
[ "$(dark_twips dealt "$menu" $(tile 2))" -eq 0 ] || fail "a third tile is dealt for a two-letter word"
[ "$(dark_twips dealt "$menu" $ok)" -eq 0 ] || fail "the OK button shows before the answer is complete"
[ "$(dark_twips dealt "$menu" $mark)" -eq 0 ] || fail "the correct-answer mark shows before an answer"

click_twips "$main" "$menu" 465 2557
await_twips one "$main" "$menu" $(tile 0) empty "the pressed tile 0 is still shown"
[ "$(dark_twips one "$menu" $ok)" -eq 0 ] || fail "the OK button shows after one of two letters"
click_twips "$main" "$menu" 945 2557
await_twips two "$main" "$menu" $ok shown "the OK button is not shown after the last letter"
[ "$(dark_twips two "$menu" $(tile 1))" -eq 0 ] || fail "the pressed tile 1 is still shown"

click_twips "$main" "$menu" 4027 2586
await_twips judged "$main" "$menu" $mark shown "no correct-answer mark after the right answer"
[ "$(dark_twips judged "$menu" $ok)" -eq 0 ] || fail "the OK button stays after the answer"
# The one word is asked again: its two tiles are dealt anew.
for k in 0 1; do [ "$(dark_twips judged "$menu" $(tile $k))" -gt 0 ] || fail "tile $k is not dealt again"; done

# The menu bar: ローマ字表, 文字練習, 終わる, 遊び方, 製作者.
click_menu "$main" "$menu" 2
practice=$(wait_window '^ローマ字練習$' 10)
wait_gone 'Ver\.7\.2' 5
leave_practice_and_quit "$practice" "$menu"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
