# SPDX-License-Identifier: MIT
# The real program started where no folder of its look-up holds romaji.txt (not the player's own folder,
# not the working folder, not the program's): the error box names the missing file and every folder
# searched, no half-loaded main window comes up behind it, and once the box is dismissed the process ends
# with status 1.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

lone_program
make_folder ""
start_display
start_game

box=$(wait_window '^ポクラク$' 20)
# The opening would have finished by now; nothing of the game may move while the box is open.
sleep 2.5
[ -z "$(visible_window 'Ver\.7\.2')" ] || fail "the main window came up behind the error box"
grep -q 'romaji.txt: file not found' "$work/game.log" || fail "the error does not name romaji.txt"
for folder in "$XDG_DATA_HOME/pokuraku" "$work/game" "$work/bin"; do
    grep -qx "    $(realpath -m "$folder")" "$work/game.log" || fail "the error does not name the folder $folder"
done

xdotool windowfocus --sync "$box" key Return
wait_exit 20
[ "$game_status" -eq 1 ] || fail "the game ended with status $game_status, not 1, after the error box"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
