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

# The main window comes up when the opening has played; without a window manager it sits at the top left.
main=$(wait_window 'Ver\.7\.2' 30)
read -r x y < <(xdotool getwindowgeometry "$main" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }')
menu=19 # height of the menu bar above the client area
# Tile 0 (240, 2280 twips) and the OK button (3480, 2400 twips), at their centres in pixels.
tile=($((x + 16 + 15)) $((y + menu + 152 + 18)))
ok=($((x + 232 + 36)) $((y + menu + 160 + 12)))

result=""
for round in $(seq 600); do
    xdotool mousemove "${tile[@]}" click 1 mousemove "${ok[@]}" click 1
    if ((round % 20 == 0)); then
        result=$(xdotool search --onlyvisible --name '^結果$' 2>/dev/null | head -1 || true)
        [ -n "$result" ] && break
    fi
done
for _ in $(seq 600); do
    [ -n "$result" ] && break
    result=$(xdotool search --onlyvisible --name '^結果$' 2>/dev/null | head -1 || true)
    sleep 0.1
done
[ -n "$result" ] || fail "no result box after the fifth lost creature"
kill -0 "$game_pid" || fail "the game ended before its result was dismissed"

xdotool windowfocus --sync "$result" key Return
wait_exit 10
[ "$game_status" -eq 0 ] || fail "exit status $game_status"
echo "a game played to its end and the program closed"
