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
main=$(wait_window 'Ver\.7\.2' 20)
wait_gone '^オープニング$' 5
menu=$(menu_height "$main" 327)
[ "$menu" -gt 5 ] && [ "$menu" -lt 60 ] || fail "the main window is $menu pixels taller than its client area"

# Tile k of the first row stands at left 240 + 480 k, top 2280, 450 x 555 twips; the OK button at 3480, 2400.
shot "$main" dealt
for k in 0 1; do [ "$(dark_twips dealt "$menu" $((240 + 480 * k)) 2280 450 555)" -gt 0 ] || fail "tile $k shows no letter"; done
[ "$(dark_twips dealt "$menu" $((240 + 480 * 2)) 2280 450 555)" -eq 0 ] || fail "a third tile is dealt for a two-letter word"
[ "$(dark_twips dealt "$menu" 3480 2400 1095 372)" -eq 0 ] || fail "the OK button shows before the answer is complete"
[ "$(dark_twips dealt "$menu" 4080 1080 735 700)" -eq 0 ] || fail "the correct-answer mark shows before an answer"

click_twips "$main" "$menu" 465 2557
shot "$main" one
[ "$(dark_twips one "$menu" 240 2280 450 555)" -eq 0 ] || fail "the pressed tile 0 is still shown"
[ "$(dark_twips one "$menu" 3480 2400 1095 372)" -eq 0 ] || fail "the OK button shows after one of two letters"
click_twips "$main" "$menu" 945 2557
shot "$main" two
[ "$(dark_twips two "$menu" 720 2280 450 555)" -eq 0 ] || fail "the pressed tile 1 is still shown"
[ "$(dark_twips two "$menu" 3480 2400 1095 372)" -gt 0 ] || fail "the OK button is not shown after the last letter"

click_twips "$main" "$menu" 4027 2586
shot "$main" judged
[ "$(dark_twips judged "$menu" 4080 1080 735 700)" -gt 0 ] || fail "no correct-answer mark after the right answer"
[ "$(dark_twips judged "$menu" 3480 2400 1095 372)" -eq 0 ] || fail "the OK button stays after the answer"
# The one word is asked again: its two tiles are dealt anew.
for k in 0 1; do [ "$(dark_twips judged "$menu" $((240 + 480 * k)) 2280 450 555)" -gt 0 ] || fail "tile $k is not dealt again"; done

# The menu bar: ローマ字表, 文字練習, 終わる, 遊び方, 製作者.
click_menu "$main" "$menu" 2
practice=$(wait_window '^ローマ字練習$' 10)
wait_gone 'Ver\.7\.2' 5
# The practice menu bar: 初級, 中級, 上級, タイムなし, 終わる.
click_menu "$practice" "$(menu_height "$practice" 269)" 5
wait_gone '^ローマ字練習$' 10
main=$(wait_window 'Ver\.7\.2' 10)

click_menu "$main" "$menu" 3
wait_exit 20
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status after the quit command"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
