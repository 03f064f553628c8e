# SPDX-License-Identifier: MIT
# The real program on a real (virtual) 1920x1080 display, started as a new player starts it: the game fits
# the screen at zoom 2. With a one-word bank it shows the opening window, then the main window, wholly on
# the screen; pressing the letter tiles at their zoomed places and OK answers the word; the practice screen
# opens from the menu and is left again; Ctrl+minus makes the game smaller, F11 shows it full screen and
# back, Ctrl+0 brings back the fitted size; the quit command ends the process with status 0. A learning
# record that is not a database is set aside, said once, and a sound one made in its place; a word answered
# is in it, and stays there when the game is killed in the middle of the next word.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

# The answer has two equal letters, so any order of the shuffled tiles spells it.
make_folder "ii,いい"
start_display 1920x1080x24
# A zoom the game cannot take is refused in one line, with status 2.
status=0
(cd "$work/game" && "$program" --zoom 9) 2>"$work/zoom.err" || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$work/zoom.err")" -eq 1 ] && grep -q -- "--zoom" "$work/zoom.err" ||
    fail "--zoom 9 ended with status $status: $(cat "$work/zoom.err")"
# A learning record that is not a database is set aside as the game starts, and a new one made.
mkdir -p "$XDG_DATA_HOME/pokuraku"
echo "not a database" >"$XDG_DATA_HOME/pokuraku/record.sqlite"
game_args=()
start_game

wait_window '^オープニング$' 20 >/dev/null
told=$(wait_window '^きろく$' 20)
xdotool windowfocus --sync "$told" key Return
wait_gone '^きろく$' 10
zoom_pct=200
await_main_window
[ "$menu" -gt 5 ] && [ "$menu" -lt 90 ] || fail "the main window is $menu pixels taller than its client area"
expect_on_screen "$main" "the main window"
eval "$(xdotool getwindowgeometry --shell "$main")"
fitted=$WIDTH
[ "$fitted" -eq 818 ] || fail "the main window is $fitted pixels wide on a 1920x1080 screen, not 818 (zoom 2)"

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
leave_practice "$practice"
main=$(wait_window 'Ver\.7\.2' 10)

# Waits until the main window's width passes a test ("-lt 818") and says how wide it became.
await_width() {
    local deadline=$((SECONDS + 10))
    while :; do
        eval "$(xdotool getwindowgeometry --shell "$main")"
        # shellcheck disable=SC2086
        [ "$WIDTH" $1 ] && break
        [ "$SECONDS" -lt "$deadline" ] || fail "$2 (the main window is $WIDTH pixels wide)"
        sleep 0.1
    done
    echo "$2: $WIDTH pixels wide"
}
xdotool key ctrl+minus
await_width "-lt $fitted" "Ctrl+minus makes the game smaller"
xdotool key F11
await_width "-eq 1920" "F11 shows the game full screen"
xdotool key F11
await_width "-lt 1920" "F11 again leaves full screen"
xdotool key ctrl+0
await_width "-eq $fitted" "Ctrl+0 brings back the fitted size"
click_menu "$main" "$menu" 3
wait_exit 20
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status after the quit command"
record=$XDG_DATA_HOME/pokuraku/record.sqlite
aside=$(ls "$XDG_DATA_HOME"/pokuraku/record-damaged-*.sqlite 2>/dev/null || true)
[ -n "$aside" ] && [ "$(cat "$aside")" = "not a database" ] || fail "the damaged record was not set aside: $aside"
[ "$(sqlite3 "$record" 'PRAGMA quick_check; PRAGMA journal_mode')" = $'ok\nwal' ] ||
    fail "the new record is not a sound database in a WAL journal"
rows() { sqlite3 "$record" "SELECT count(*) FROM rows WHERE row LIKE 'r1' || char(9) || '$1' || char(9) || '%'"; }
[ "$(rows W)" -eq 1 ] && [ "$(rows G)" -ge 1 ] || fail "the record holds $(rows W) words and $(rows G) games, not the word answered"

# Again, killed in the middle of the second word: the first is on the disk once it is answered, and stays.
start_game
await_main_window
for x in 465 945; do click_twips "$main" "$menu" "$x" 2557; done
await_twips two "$main" "$menu" $ok shown "the OK button is not shown after the last letter"
click_twips "$main" "$menu" 4027 2586
await_twips judged "$main" "$menu" $mark shown "no correct-answer mark after the right answer"
deadline=$((SECONDS + 10))
until [ "$(rows W)" -eq 2 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the word answered did not reach the record file"
    sleep 0.1
done
click_twips "$main" "$menu" 465 2557
await_twips next "$main" "$menu" $(tile 0) empty "the second word's first tile is still shown"
kill -9 "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""
[ "$(sqlite3 "$record" 'PRAGMA quick_check')" = ok ] && [ "$(rows W)" -eq 2 ] ||
    fail "after a kill the record holds $(rows W) words, not the 2 answered"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
