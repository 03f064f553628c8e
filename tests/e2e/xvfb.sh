# SPDX-License-Identifier: MIT
# The one way this project starts an X server for a real window: Xvfb picks a free display itself and
# writes its number to descriptor 3 (-displayfd), so checks running side by side never share a display and
# nothing collides with another X server; -noreset keeps it from resetting when a probing client (xdotool,
# import) disconnects. Sourced by tests/e2e/lib.sh, tools/screenshot.sh and bench/run.sh.

# Starts Xvfb with a screen of the given size ("1280x1024x24"), keeping its files in the given folder; sets
# xvfb_pid and exports DISPLAY. Returns 1 with Xvfb's own words on standard error when it does not start.
xvfb_start() {
    local size=$1 folder=$2
    rm -f "$folder/display"
    Xvfb -displayfd 3 -noreset -screen 0 "$size" -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$folder/display" ] && break
        sleep 0.05
    done
    if [ ! -s "$folder/display" ]; then
        echo "Xvfb did not start: $(cat "$folder/xvfb.log")" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$folder/display")"
}
