#!/bin/bash
# SPDX-License-Identifier: MIT
# Plays a whole game in a real window under Xvfb: a one-word bank ("a"), the tile and OK pressed with the
# mouse until the creatures run fast enough to be lost at the cliff; the fifth loss must bring up the result
# box, and dismissing it must end the program with exit status 0.
# Usage: game_to_the_end.sh <pokuraku binary> <source dir> <binary dir>
source "$(dirname "$0")/e2e/lib.sh"

start_display 800x600x24
make_folder "a,あ"
start_game

main=$(wait_window 'Ver\.7\.2' 30)
# Tile 0 and OK, pressed until the creatures run fast enough to be lost at the cliff.
result=$(play_to_result "$main" "$(menu_height "$main" 327)" "465 2557" "4027 2586")
kill -0 "$game_pid" || fail "the game ended before its result was dismissed"

xdotool windowfocus --sync "$result" key Return
wait_exit 10
[ "$game_status" -eq 0 ] || fail "exit status $game_status"
echo "a game played to its end and the program closed"
