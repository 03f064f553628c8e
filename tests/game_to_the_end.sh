#!/bin/bash
# Plays a whole game in a real window under Xvfb: a one-word bank ("a"), the tile and OK pressed with the
# mouse until the creatures run fast enough to be lost at the cliff; the fifth loss must bring up the result
# box, and dismissing it must end the program with exit status 0.
# Usage: game_to_the_end.sh <pokuraku binary> <source dir> <binary dir>
set -euo pipefail
game=$(realpath "$1")
source_dir=$(realpath "$2")

work=$(mktemp -d)
display=:$((60 + RANDOM % 200))
cleanup() {
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$source_dir"/data/*.wav "$work"/
printf 'a,\x82\xa0\r\n' >"$work/romaji.txt" # a,あ in code page 932

Xvfb "$display" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!

# The main window comes up when the opening has played; without a window manager it sits at the top left.
main=""
for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name 'Ver\.7\.2' 2>/dev/null | head -1 || true)
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "the main window never appeared"; exit 1; }
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
[ -n "$result" ] || { echo "no result box after the fifth lost creature"; exit 1; }
kill -0 "$game_pid" || { echo "the game ended before its result was dismissed"; exit 1; }

xdotool windowfocus --sync "$result" key Return
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
    echo "the game still runs after its result was dismissed"
    exit 1
fi
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || { echo "exit status $status"; cat "$work/game.log"; exit 1; }
echo "a game played to its end and the program closed"
