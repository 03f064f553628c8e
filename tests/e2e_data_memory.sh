# SPDX-License-Identifier: MIT
# The memory the real program takes for its bank stays bounded whatever stands in the bank's place: a link
# to /dev/zero or /dev/urandom (input without end), a FIFO, a 60 MB file of good lines, and the largest file
# the game reads (1 MiB, one word of a million letters, shown on the screen). For each, the peak resident
# memory of the process (VmHWM) is compared with that of the game idle on a small bank; it must stay under
# 100 MB above it. The figures are printed; a sanitizer build, whose allocator keeps freed memory in
# quarantine, prints them without the bound.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

bound_kib=$((100 * 1024))
sanitized=${ASAN_OPTIONS:+yes}

# Starts the game and waits for the window the case ends in (the main window or the error box), then prints
# the peak memory so far and ends the game.
peak_until() {
    local window=$1 id
    start_game
    id=$(wait_window "$window" 60)
    # The bank is read before either window comes up; the main window's figure also counts drawing the
    # word, so wait until the word label (left 0, top 600, 5655 x 495 twips) shows it.
    if [ "$window" != '^ポクラク$' ]; then
        await_twips peak "$id" "$(menu_height "$id" 327)" 0 600 5655 495 shown "no word shown"
    fi
    peak_kib
    stop_game
}

start_display
make_folder "inu,いぬ"
idle=$(peak_until 'Ver\.7\.2')
echo "idle game: $idle KiB"

check() {
    local name=$1 window=$2 peak
    peak=$(peak_until "$window")
    echo "$name: $peak KiB, $((peak - idle)) KiB above idle"
    if [ -z "$sanitized" ] && [ $((peak - idle)) -ge "$bound_kib" ]; then
        fail "$name takes $((peak - idle)) KiB above the idle game"
    fi
    if [ "$window" = '^ポクラク$' ]; then
        grep -q '^pokuraku: romaji.txt' "$work/game.log" || fail "$name: the error does not name romaji.txt"
    fi
}

bank=$work/game/romaji.txt
rm "$bank"
ln -s /dev/zero "$bank"
check "link to /dev/zero" '^ポクラク$'
rm "$bank"
ln -s /dev/urandom "$bank"
check "link to /dev/urandom" '^ポクラク$'
rm "$bank"
mkfifo "$bank"
check "FIFO" '^ポクラク$'
rm "$bank"
yes 'inu,いぬ' | head -c 60000000 | iconv -f UTF-8 -t CP932 -c 2>/dev/null >"$bank" || true
check "60 MB of good lines" '^ポクラク$'
{ printf 'inu,'; head -c $((1024 * 1024 - 6)) /dev/zero | tr '\0' a; printf '\r\n'; } >"$bank"
check "1 MiB word" 'Ver\.7\.2'
grep -q '^pokuraku:' "$work/game.log" && fail "the 1 MiB bank was refused: $(cat "$work/game.log")"
echo "PASS"
