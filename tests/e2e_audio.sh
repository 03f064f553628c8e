# SPDX-License-Identifier: MIT
# The game's sound through a real audio server. The check starts a private PulseAudio server of its own
# (a null sink at the cues' rate, a socket in a private runtime folder, no system or user configuration),
# plays the game on an Xvfb display with PULSE_SERVER pointing at it, records what the sink plays and
# finds the cue files in the recording sample for sample. It asserts:
#   - the right cue for each event, each heard whole, one at a time (the hint, both correct-answer cues,
#     the creature click, and the default cue for a wrong answer whose file is a FIFO);
#   - a cue asked for again while it sounds gives way at once to a new start from its first sample;
#   - while the server is stopped (SIGSTOP) the window answers clicks within 300 ms;
#   - after the server is killed and started again on the same socket, the next cue is heard, whole;
#   - without any audio server the game stays silent, answers clicks and ends normally.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

build_dir=$(realpath "$3")
cuematch=$build_dir/tests/cuematch
windowwatch=$build_dir/tests/windowwatch
for tool in pulseaudio pactl pacat parec; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (./build.sh test installs it)"
done
[ -x "$cuematch" ] && [ -x "$windowwatch" ] || fail "the helpers cuematch and windowwatch are not built"

rate=22050
pulse=$work/pulse # the server's private runtime folder
mkdir -m 700 "$pulse" "$work/home"
# Every PulseAudio client of the check, the game included, finds the private server and nothing else, and
# keeps its cookie and runtime files inside the temporary folder.
export PULSE_SERVER=unix:$pulse/native PULSE_RUNTIME_PATH=$pulse PULSE_COOKIE=$pulse/cookie
export PULSE_CLIENTCONFIG=$work/client.conf
# No session bus either: without one, Qt and SDL would each fork the game to start a bus for the display,
# and a fork of a sanitizer build can hang in the child.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
: >"$work/daemon.conf"
cat >"$work/server.pa" <<EOF
load-module module-null-sink sink_name=cues rate=$rate channels=1 format=s16le
load-module module-native-protocol-unix socket=$pulse/native auth-anonymous=1
set-default-sink cues
EOF

server_pid="" feed_pid="" recorder_pid="" recording=""

stop_server() {
    for pid in "$recorder_pid" "$feed_pid" "$server_pid"; do
        [ -n "$pid" ] || continue
        kill -CONT "$pid" 2>/dev/null || true
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    server_pid="" feed_pid="" recorder_pid=""
}
trap 'stop_server; cleanup' EXIT

# Waits until a command succeeds; fails with the message after the deadline (seconds).
await() {
    local seconds=$1 message=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$message$(printf '\n--- audio server log\n'; tail -n 20 "$work/pulse.log")"
        sleep 0.05
    done
}

sink_running() { pactl list sinks short | grep -q RUNNING; }
recording_grows() { [ "$(stat -c %s "$recording")" -gt 4410 ]; }

# Starts the server and records its sink into the given file. A stream of silence keeps the sink running,
# so the recording runs on without a break and its sample count is a clock. Like a desktop's server it
# runs at a raised priority where it may (as root, as in CI), so it keeps time while the machine is busy.
start_server() {
    recording=$work/$1.raw
    HOME=$work/home XDG_CONFIG_HOME=$work/home XDG_RUNTIME_DIR=$pulse PULSE_CONFIG=$work/daemon.conf \
        DISPLAY="" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --high-priority=yes --use-pid-file=no \
        --log-target=stderr -F "$work/server.pa" 2>>"$work/pulse.log" &
    server_pid=$!
    await 10 "the audio server did not start" pactl info
    pacat --playback --raw --format=s16le --rate=$rate --channels=1 </dev/zero 2>>"$work/pulse.log" &
    feed_pid=$!
    await 10 "the sink does not run" sink_running
    parec --device=cues.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=10 \
        >"$recording" 2>>"$work/pulse.log" &
    recorder_pid=$!
    await 10 "nothing is recorded from the sink" recording_grows
}

samples_recorded() { echo $(($(stat -c %s "$recording") / 2)); }
cue_files=("$source_dir"/data/*.wav "$source_dir"/assets/sounds/default.wav)
pieces() { "$cuematch" pieces "$recording" $rate "${cue_files[@]}"; }

# Waits until the recording holds n sounds, the last one heard to its end and followed by 200 ms of
# silence, and prints them: name, start, heard and file milliseconds, whole or cut, the gap to the next
# sound, and the breaks inside this one with what they skipped (see tests/e2e/cuematch.cpp).
await_pieces() {
    local n=$1 deadline=$((SECONDS + 15)) list count last
    while :; do
        list=$(pieces)
        count=$(printf '%s\n' "$list" | grep -c . || true)
        if [ "$count" -ge "$n" ]; then
            last=$(printf '%s\n' "$list" | tail -n 1)
            read -r _ start heard _ state _ breaks skipped <<<"$last"
            if [ "$state" = whole ] &&
                awk -v s="$start" -v h="$heard" -v b="$breaks" -v k="$skipped" -v n="$(samples_recorded)" \
                    -v r=$rate 'BEGIN { exit !(n * 1000 / r - (s + h + b - k) >= 200) }'; then
                printf '%s\n' "$list"
                return 0
            fi
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "expected $n sounds in the recording, found: $list"
        sleep 0.1
    done
}

# Prints, for the newest sound, how long after the click its first sample lies in the recording. The
# recording runs a little behind the clock, so this is an upper bound.
after_click() {
    local start=$1
    awk -v s="$start" -v c="$clicked_at" -v r=$rate 'BEGIN { printf "%.0f", s - c * 1000 / r }'
}
# A break inside a cue is the audio server running dry for a moment on a busy machine: the cue goes on
# to its end. Said, not failed: that is the machine's load, not the game cutting its cues.
say_breaks() {
    echo "$1" | awk '$7 > 0 { printf "note: %s broke off for %s ms (%s ms of it dropped) and went on\n", $1, $7, $8 }'
}

# Tile k of the first row stands at left 240 + 480 k, top 2280, 450 x 555 twips; the OK button at 3480,
# 2400; the hint button at 120, 3720; the hint label at 1800, 3720; the correct-answer mark at 4080, 1080.
tile() { echo $((240 + 480 * $1)) 2280 450 555; }
ok="3480 2400 1095 372"
hint_label="1800 3720 3135 375"

# The bank's one word is み, "mi": the tile that shows more ink is the m. Answers it right or wrong.
answer() {
    local want=$1 m i
    await_twips dealt "$main" "$menu" $(tile 0) shown "tile 0 shows no letter"
    await_twips dealt "$main" "$menu" $(tile 1) shown "tile 1 shows no letter"
    if [ "$(dark_twips dealt "$menu" $(tile 0))" -gt "$(dark_twips dealt "$menu" $(tile 1))" ]; then
        m=0 i=1
    else
        m=1 i=0
    fi
    if [ "$want" = right ]; then set -- $m $i; else set -- $i $m; fi
    click_twips "$main" "$menu" $((240 + 480 * $1 + 225)) 2557
    click_twips "$main" "$menu" $((240 + 480 * $2 + 225)) 2557
    await_twips complete "$main" "$menu" $ok shown "the OK button is not shown after the last letter"
    clicked_at=$(samples_recorded)
    click_twips "$main" "$menu" 4027 2586
}

# Clicks the one creature on the track: it is found on a screenshot of the track's top row (the top 25
# pixels below its start at 100 twips), where nothing else is drawn; screenshots are taken until it is.
click_creature() {
    local w h x y deadline=$((SECONDS + 10))
    eval "$(xdotool getwindowgeometry --shell "$main")"
    while :; do
        shot "$main" track
        read -r w h x y <<<"$(convert "$work/track.png" -crop "${WIDTH}x26+0+$((menu + 6))" +repage -fuzz 15% \
            -trim -format '%w %h %X %Y' info: 2>/dev/null)"
        drawn track && [ "$w" -gt 5 ] && [ "$w" -lt 60 ] && break
        [ "$SECONDS" -lt "$deadline" ] || fail "no creature on the track (found ${w}x$h at $x, $y)"
        sleep 0.1
    done
    clicked_at=$(samples_recorded)
    xdotool mousemove --window "$main" $((${x#+} + w / 2)) $((menu + 6 + ${y#+} + h / 2)) click 1
}

# Clicks at a point (twips), holding the button down for 100 ms, and prints how many milliseconds after
# its release the window changed the rectangle (twips) in answer; fails when it has not within the limit.
answered_within() {
    local limit=$1 x=$2 y=$3 rx=$4 ry=$5 rw=$6 rh=$7 took
    took=$("$windowwatch" "$main" $((rx / 15)) $((menu + ry / 15)) $((rw / 15)) $((rh / 15)) 5000 \
        xdotool mousemove --window "$main" $((x / 15)) $((menu + y / 15)) mousedown 1 sleep 0.1 mouseup 1 \
        2>"$work/windowwatch.log") || true
    case $took in
    timeout) fail "the window did not answer a click within 5 s" ;;
    '' | *[!0-9]*) fail "windowwatch failed: $took $(cat "$work/windowwatch.log")" ;;
    esac
    [ "$took" -le "$limit" ] || fail "the window took $took ms to answer a click (at most $limit ms)"
    echo "$took"
}

# The game's folder: the shipped cues, but a FIFO in place of the wrong-answer cue. Opening it would
# block for good; the game must pass it over and play the default cue. The program runs without the data
# beside it, which it would otherwise fall back on.
lone_program
make_folder "mi,み"
rm "$work/game/matigai.wav"
mkfifo "$work/game/matigai.wav"

start_server first
start_display
start_game
wait_window '^オープニング$' 20 >/dev/null
await_main_window
[ "$(pieces | grep -c .)" -eq 0 ] || fail "a sound was heard before any event: $(pieces)"

# Both hints, the second while the first still sounds: the first gives way at once (no gap, nothing
# more of it) and the second is heard from its first sample to its last.
await_twips ready "$main" "$menu" $(tile 0) shown "no letter is dealt"
clicked_at=$(samples_recorded)
t0=$(date +%s%N)
xdotool mousemove --window "$main" $((907 / 15)) $((menu + 3907 / 15)) click 1
sleep 0.3
t1=$(date +%s%N)
xdotool click 1
apart=$(((t1 - t0) / 1000000))
list=$(await_pieces 1)
echo "two hints $apart ms apart:"
echo "$list"
say_breaks "$list"
echo "the first cue of the game sounded from $(after_click "$(echo "$list" | head -n 1 | cut -d' ' -f2)") ms after the click"
if [ "$(echo "$list" | grep -c .)" -eq 2 ]; then
    read -r name1 start1 heard1 _ state1 gap1 <<<"$(echo "$list" | head -n 1)"
    [ "$name1" = hinto ] && [ "$state1" = cut ] || fail "the first hint cue: $name1 $state1"
    awk -v h="$heard1" -v a="$apart" 'BEGIN { exit !(h <= a + 100) }' ||
        fail "the first hint cue went on for $heard1 ms after its start, the second came $apart ms later"
    awk -v g="$gap1" 'BEGIN { exit !(g >= -3 && g <= 3) }' ||
        fail "a gap of $gap1 ms lies between the first hint cue and the second"
else
    # The sound thread may take the second request before the first has started: only one is heard.
    [ "$(echo "$list" | grep -c .)" -eq 1 ] || fail "two hint clicks gave more than two sounds"
fi
echo "$list" | tail -n 1 | grep -q '^hinto .* whole ' || fail "the second hint cue was not heard whole"
heard=$(echo "$list" | grep -c .)

# Each answer's cue, heard whole before the next event. The score goes 0, 2 (after hints), 0 (wrong),
# then 4, 8, 12, 16, 20, 24: a multiple of 3 before the answer sounds seikai100, any other score seikai2.
event() {
    local what=$1 cue=$2 list name start heard_ms file_ms
    case $what in
    right | wrong) answer "$what" ;;
    creature) click_creature ;;
    hint)
        clicked_at=$(samples_recorded)
        answered_within 1000 907 3907 $hint_label >/dev/null
        ;;
    esac
    heard=$((heard + 1))
    list=$(await_pieces $heard)
    read -r name start heard_ms file_ms _ <<<"$(echo "$list" | tail -n 1)"
    echo "$list" | tail -n 1 | grep -q "^$cue .* whole " ||
        fail "after the event '$what' expected $cue whole, heard: $(echo "$list" | tail -n 1)"
    echo "$what: $name heard $heard_ms ms of $file_ms ms, from $(after_click "$start") ms after the click"
}
event right seikai100
event wrong default
for cue in seikai100 seikai2 seikai2 seikai100 seikai2 seikai2; do event right "$cue"; done
# The score is 24 now, past nezumi's 20: it runs along the top of the track.
event creature a
# The hint of the next question, with the server running: how fast the window answers then.
took=$(answered_within 300 907 3907 $hint_label)
echo "with the server running, the hint click was answered in $took ms"
heard=$((heard + 1))
await_pieces $heard | tail -n 1 | grep -q '^hinto .* whole ' || fail "the hint cue was not heard whole"

list=$(pieces)
echo "cues heard (name, start ms, heard ms, file ms, whole or cut, gap to the next ms, breaks ms, skipped ms):"
echo "$list"
say_breaks "$list"

# Nothing overlaps: every sound ends before the next begins.
echo "$list" | awk '$6 != -1 && $6 < -3 { exit 1 }' || fail "two sounds overlap"
echo "$list" | awk '$1 == "unknown" { exit 1 }' || fail "a sound that is no cue was heard"

# A stopped server: the game closes its output a moment after the last cue, then every click that asks
# for a cue must still be answered at once. The sound thread waits for the server meanwhile.
await 10 "the game keeps its output open long after the last cue" \
    bash -c '[ "$(pactl list sink-inputs short | grep -c .)" -eq 1 ]'
kill -STOP "$server_pid"
took_hint=$(answered_within 300 907 3907 $hint_label)
echo "while the server is stopped, the second hint click was answered in $took_hint ms"
await_twips dealt "$main" "$menu" $(tile 0) shown "tile 0 shows no letter"
for k in 0 1; do
    click_twips "$main" "$menu" $((240 + 480 * k + 225)) 2557
done
await_twips complete "$main" "$menu" $ok shown "the OK button is not shown after the last letter"
took_ok=$(answered_within 300 4027 2586 $ok)
echo "while the server is stopped, the OK click was answered in $took_ok ms"
# A request the audio system could not take up within a second is dropped, not played late: keep the
# server stopped past that.
sleep 1.5

# The server dies and a new one takes its socket: the next cue is heard, whole, and nothing asked for
# while the server was stopped is played late.
stop_server
start_server second
answer right
list=$(await_pieces 1)
[ "$(echo "$list" | grep -c .)" -eq 1 ] || fail "more than the one cue was heard after the restart: $list"
echo "$list" | grep -Eq '^seikai(2|100) .* whole ' || fail "the answer's cue was not heard whole"
read -r name start heard_ms file_ms _ <<<"$list"
say_breaks "$list"
echo "after the restart: $name heard $heard_ms ms of $file_ms ms, from $(after_click "$start") ms after the click"

click_menu "$main" "$menu" 3
wait_exit 20
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status after the quit command"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi

# No audio server at all: silent, and the window answers.
stop_server
mv "$work/game.log" "$work/game-with-sound.log"
start_game
wait_window '^オープニング$' 20 >/dev/null
await_main_window
await_twips ready "$main" "$menu" $(tile 0) shown "no letter is dealt"
took=$(answered_within 300 907 3907 $hint_label)
echo "without an audio server, the hint click was answered in $took ms"
answer wrong
click_menu "$main" "$menu" 3
wait_exit 20
[ "$game_status" -eq 0 ] || fail "the game without sound ended with status $game_status"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
