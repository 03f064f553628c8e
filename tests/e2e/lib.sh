# SPDX-License-Identifier: MIT
# Helpers for the real-window checks (tests/e2e_*.sh), sourced by each script. A script gets its own Xvfb
# display, starts the built game in a temporary working folder, finds windows by their captions, clicks at
# the defined positions of the controls (twips / 15 = pixels), and reads the screen back with ImageMagick.
# Every wait has a deadline, so a hang fails the check instead of blocking the suite.

set -euo pipefail

program=$(realpath "$1")
source_dir=$(realpath "$2")
work=$(mktemp -d)
# Qt wants a private runtime folder; give it one inside the temporary folder.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The game reads the player's own data files ($XDG_DATA_HOME/pokuraku) before any other: point it at an
# empty folder of the check's own, so nothing of the machine's user leaks in. A check may put files there.
export XDG_DATA_HOME=$work/data-home
mkdir -p "$XDG_DATA_HOME"
# The player's remembered choices ($XDG_CONFIG_HOME/pokuraku/pokuraku.conf) likewise: the check's own.
export XDG_CONFIG_HOME=$work/config-home
mkdir -p "$XDG_CONFIG_HOME/pokuraku"
xvfb_pid=""
wm_pid=""
game_pid=""
game_status=""

cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then kill "$game_pid" 2>/dev/null || true; fi
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -f "$work/game.log" ]; then
        echo "--- game output" >&2
        cat "$work/game.log" >&2
    fi
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# Gives the check a display of its own (tests/e2e/xvfb.sh). The screen size may be given ("640x480x24");
# the default is 1280x1024x24.
screen_size=""
start_display() {
    screen_size=${1:-1280x1024x24}
    xvfb_start "$screen_size" "$work" || fail "no display"
}

# The game's working folder: the sounds and the practice data as shipped; romaji.txt as given (UTF-8 text,
# stored as code page 932 with CR LF), or none when the argument is empty.
make_folder() {
    mkdir -p "$work/game"
    cp "$source_dir"/data/*.wav "$source_dir"/data/romajimojiren.txt "$work/game/"
    if [ -n "$1" ]; then printf '%s\r\n' "$1" | iconv -f UTF-8 -t CP932 >"$work/game/romaji.txt"; fi
}

# Starts the game in its working folder ($work/game unless another is given), at zoom 1 so the checks find
# every control at its twips / 15 pixels, unless game_args says otherwise.
game_args=(--zoom 1)
# The zoom the game was started at, in percent: a control at x twips stands at x * zoom_pct / 1500 pixels.
zoom_pct=100
twips_px() { echo $(($1 * zoom_pct / 1500)); }
start_game() {
    (cd "${1:-$work/game}" && exec "$program" "${game_args[@]}") >"$work/game.log" 2>&1 &
    game_pid=$!
}

# Ends the running game and waits for it.
stop_game() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=""
    fi
}

# Runs a copy of the program that has no data beside it: a build tree keeps the data next to the
# executable, where the game finds it when no other folder has it.
lone_program() {
    mkdir -p "$work/bin"
    cp "$program" "$work/bin/pokuraku"
    program=$work/bin/pokuraku
}

# The peak resident memory of the running game so far, in KiB.
peak_kib() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status"
}

# Prints the id of the first visible window whose caption matches the regular expression.
visible_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true
}

wait_window() {
    local regex=$1 seconds=${2:-30} id
    local deadline=$((SECONDS + seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        id=$(visible_window "$regex")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for a window '$regex'"
        sleep 0.05
    done
    fail "no window '$regex' within $seconds s"
}

wait_gone() {
    local regex=$1 seconds=${2:-30}
    local deadline=$((SECONDS + seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ -z "$(visible_window "$regex")" ] && return 0
        sleep 0.05
    done
    fail "the window '$regex' is still shown after $seconds s"
}

# Waits (up to the given seconds, 20 by default) for the main window to come up and the opening before it
# to be gone; sets main (the window's id) and menu (its menu bar's height).
await_main_window() {
    main=$(wait_window 'Ver\.7\.2' "${1:-20}")
    wait_gone '^オープニング$' 10
    menu=$(menu_height "$main" "$(twips_px 4905)")
}

# Waits for the game to end and sets game_status.
wait_exit() {
    local seconds=${1:-30}
    local deadline=$((SECONDS + seconds))
    while kill -0 "$game_pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end within $seconds s"
        sleep 0.05
    done
    game_status=0
    wait "$game_pid" || game_status=$?
    game_pid=""
}

# Height of the menu bar above a window's client area, given the client height in pixels.
menu_height() {
    local id=$1 client=$2
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo $((HEIGHT - client))
}

# Clicks at a point of a window's client area given in twips.
click_twips() {
    local id=$1 menu=$2 x=$3 y=$4
    xdotool mousemove --window "$id" "$(twips_px "$x")" $((menu + $(twips_px "$y"))) click 1
    sleep 0.15
}

shot() {
    import -window "$1" "$work/$2.png"
}

# Keeps a screenshot taken with shot under the given name in $E2E_SHOTS, when that folder is set, for a
# person to look at.
keep_shot() {
    if [ -n "${E2E_SHOTS:-}" ]; then
        mkdir -p "$E2E_SHOTS"
        cp "$work/$1.png" "$E2E_SHOTS/$2.png"
    fi
}

# openbox, which draws frames round the windows as a desktop does; ready once it has claimed the screen.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    local deadline=$((SECONDS + 20))
    until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do
        ((SECONDS < deadline)) || fail "openbox did not start: $(cat "$work/openbox.log")"
        sleep 0.05
    done
}

# Sets X, Y, WIDTH and HEIGHT to a window's place with its frame; returns 1 while the window manager has not
# framed it yet, or once the window is gone.
frame_geometry() {
    local left=0 right=0 top=0 bottom=0 geometry extents
    geometry=$(xwininfo -id "$1" 2>/dev/null) && extents=$(xprop -id "$1" _NET_FRAME_EXTENTS) || return 1
    read -r X Y WIDTH HEIGHT < <(awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^  Width/ { w = $NF } /^  Height/ { h = $NF } END { print x, y, w, h }' <<<"$geometry")
    if [[ $extents == *=* ]]; then IFS=', ' read -r left right top bottom <<<"${extents#*= }"; elif [ -n "$wm_pid" ]; then return 1; fi
    X=$((X - left)) Y=$((Y - top)) WIDTH=$((WIDTH + left + right)) HEIGHT=$((HEIGHT + top + bottom))
}

# Fails unless a window lies wholly on the screen started by start_display, with its frame if it has one;
# a window just shown may still be moving there once its frame is known, so this waits up to 5 s.
expect_on_screen() {
    local id=$1 what=$2 width=${screen_size%%x*} height deadline=$((SECONDS + 5)) X=? Y=? WIDTH=? HEIGHT=?
    height=${screen_size#*x} height=${height%%x*}
    until frame_geometry "$id" && ((X >= 0 && Y >= 0 && X + WIDTH <= width && Y + HEIGHT <= height)); do
        ((SECONDS < deadline)) || fail "$what lies at $X,$Y ${WIDTH}x$HEIGHT, not wholly on the ${width}x$height screen"
        sleep 0.05
    done
    echo "$what: $X,$Y ${WIDTH}x$HEIGHT on ${width}x$height"
}

# Clicks points of the main window (twips, "x y" each) over and over until the result box of the game's end
# comes up; prints its id.
play_to_result() {
    local id=$1 menu=$2 point x y result="" deadline=$((SECONDS + 300))
    shift 2
    until result=$(visible_window '^結果$') && [ -n "$result" ]; do
        ((SECONDS < deadline)) || fail "no result box after the fifth lost creature"
        for point in "$@"; do
            read -r x y <<<"$point"
            xdotool mousemove --window "$id" "$(twips_px "$x")" $((menu + $(twips_px "$y"))) click 1
        done
    done
    echo "$result"
}

# Number of pixels darker than near-white in a rectangle of a screenshot (pixels: width, height, x, y).
dark_pixels() {
    convert "$work/$1.png" -crop "$2x$3+$4+$5" +repage -colorspace gray -threshold 90% -negate \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Same, for a rectangle of the client area given in twips.
dark_twips() {
    local name=$1 menu=$2 x=$3 y=$4 w=$5 h=$6
    dark_pixels "$name" "$(twips_px "$w")" "$(twips_px "$h")" "$(twips_px "$x")" $((menu + $(twips_px "$y")))
}

# Whether the screenshot $work/<name>.png shows a drawn window. A window the X server has mapped but the
# game has not painted yet is wholly black, which would pass for ink everywhere.
drawn() {
    [ "$(convert "$work/$1.png" -format '%[fx:maxima > 0]' info:)" = 1 ]
}

# Takes screenshots of a window until it is drawn and a rectangle of its client area (twips) is "shown"
# (holds dark pixels) or "empty"; the last screenshot stays under the given name for further checks.
await_twips() {
    local name=$1 id=$2 menu=$3 x=$4 y=$5 w=$6 h=$7 want=$8 message=$9 dark
    local deadline=$((SECONDS + 10))
    while :; do
        shot "$id" "$name"
        if drawn "$name"; then
            dark=$(dark_twips "$name" "$menu" "$x" "$y" "$w" "$h")
            if [ "$want" = shown ] && [ "$dark" -gt 0 ]; then return 0; fi
            if [ "$want" = empty ] && [ "$dark" -eq 0 ]; then return 0; fi
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "$message"
        sleep 0.1
    done
}

# Keeps a picture of a rectangle of a window's client area (twips) as $work/<name>-crop.png, taken again
# until two pictures in a row agree: a window that has just come up may still be drawing.
settled_crop() {
    local name=$1 id=$2 menu=$3 x=$4 y=$5 w=$6 h=$7
    local deadline=$((SECONDS + 10))
    local crop="$(twips_px "$w")x$(twips_px "$h")+$(twips_px "$x")+$((menu + $(twips_px "$y")))"
    shot "$id" "$name"
    convert "$work/$name.png" -crop "$crop" +repage "$work/$name-crop.png"
    while :; do
        sleep 0.2
        mv "$work/$name-crop.png" "$work/$name-before.png"
        shot "$id" "$name"
        convert "$work/$name.png" -crop "$crop" +repage "$work/$name-crop.png"
        drawn "$name" && [ "$(pixels_differing "$name-crop" "$name-before")" = 0 ] && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "the window does not settle ($name)"
    done
}

# Number of pixels that differ between two pictures $work/<a>.png and $work/<b>.png.
pixels_differing() {
    compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true
}

# Clicks the n-th item (from 1) of a window's menu bar. The items are found on a screenshot of the bar:
# runs of columns holding text, split where the gap is wider than the space between two characters.
menu_item_x() {
    local id=$1 menu=$2 n=$3 width
    eval "$(xdotool getwindowgeometry --shell "$id")"
    width=$WIDTH
    shot "$id" menubar
    convert "$work/menubar.png" -crop "${width}x${menu}+0+0" +repage -colorspace gray -threshold 50% -negate \
        -scale "${width}x1!" -threshold 0 txt:- |
        awk -F'[,:() ]+' 'NR > 1 { print $1, ($3 > 0) }' |
        awk -v want="$n" -v gap=$((8 * zoom_pct / 100)) '
            !$2 { next }
            count == 0 || $1 - last > gap {
                if (count == want) exit
                count++; from = $1
            }
            { last = $1 }
            END { if (count == want) print int((from + last) / 2) }'
}

click_menu() {
    local id=$1 menu=$2 n=$3 x=""
    local deadline=$((SECONDS + 10))
    # The bar may not be drawn yet when its window has just come up.
    while x=$(menu_item_x "$id" "$menu" "$n") && [ -z "$x" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no menu item $n on the menu bar"
        sleep 0.1
    done
    xdotool mousemove --window "$id" "$x" $((menu / 2)) click 1
    sleep 0.2
}

# Leaves the practice screen with its 終わる and waits for it to be gone.
leave_practice() {
    click_menu "$1" "$(menu_height "$1" "$(twips_px 4035)")" 5
    wait_gone '^ローマ字練習$' 10
}

# Leaves the practice screen with its 終わる (the fifth item of 初級, 中級, 上級, タイムなし, 終わる), waits for
# the main window to come back, quits from its 終わる (the third of ローマ字表, 文字練習, 終わる, 遊び方, 製作者;
# $2 is its menu bar's height) and expects exit status 0.
leave_practice_and_quit() {
    local practice=$1 menu=$2 main
    leave_practice "$practice"
    main=$(wait_window 'Ver\.7\.2' 10)
    click_menu "$main" "$menu" 3
    wait_exit 20
    [ "$game_status" -eq 0 ] || fail "the game ended with status $game_status after the quit command"
}
