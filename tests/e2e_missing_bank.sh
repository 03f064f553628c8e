# The real program started in a folder without romaji.txt: the error box names the missing file, no half-
# loaded main window comes up behind it, and once the box is dismissed the process ends with status 1.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

make_folder ""
start_display
start_game

box=$(wait_window '^ポクラク$' 20)
# The opening would have finished by now; nothing of the game may move while the box is open.
sleep 2.5
[ -z "$(visible_window 'Ver\.7\.2')" ] || fail "the main window came up behind the error box"
grep -q 'romaji.txt: file not found' "$work/game.log" || fail "the error does not name romaji.txt"

xdotool windowfocus --sync "$box" key Return
wait_exit 20
[ "$game_status" -eq 1 ] || fail "the game ended with status $game_status, not 1, after the error box"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
