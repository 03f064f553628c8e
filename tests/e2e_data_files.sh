# SPDX-License-Identifier: MIT
# Data files as teachers make them, in the real program: a UTF-8 bank shows its word exactly as the same
# bank saved as Shift_JIS does; a bank in the player's own folder ($XDG_DATA_HOME/pokuraku) wins over the
# one in the working folder; ことば → リンクとQRコード… shows the link and QR code of the bank for the site
# address remembered; a FIFO named romaji.txt brings up the error box naming it (no hang), and the
# process ends with status 1 once the box is dismissed.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

# The question word label: left 0, top 600, 5655 x 495 twips.
word="0 600 5655 495"

# Starts the game on the working folder as it stands, waits for the main window to show a word and keeps a
# picture of the word label as $work/<name>-crop.png.
word_shown() {
    local name=$1 main menu
    start_game
    main=$(wait_window 'Ver\.7\.2' 30)
    menu=$(menu_height "$main" 327)
    await_twips "$name" "$main" "$menu" $word shown "no word shown ($name)"
    settled_crop "$name" "$main" "$menu" $word
    ! grep -q '^pokuraku:' "$work/game.log" || fail "error from the program ($name): $(cat "$work/game.log")"
    stop_game
}

# Pixels that differ between the word labels of two runs.
differing() {
    pixels_differing "$1-crop" "$2-crop"
}

start_display

# The same word saved both ways. One word only, so it is the question asked.
make_folder "neko,ねこ"
word_shown shift-jis
printf 'neko,ねこ\r\n' >"$work/game/romaji.txt"
word_shown utf-8
[ "$(differing shift-jis utf-8)" = 0 ] || fail "the UTF-8 bank shows its word differently: $(differing shift-jis utf-8) pixels"
printf '\xEF\xBB\xBFneko,ねこ\r\n' >"$work/game/romaji.txt"
word_shown utf-8-bom
[ "$(differing shift-jis utf-8-bom)" = 0 ] || fail "the UTF-8 bank with a byte-order mark shows its word differently"
# A different word does show differently, so the comparison can tell words apart.
printf 'inu,いぬ\r\n' >"$work/game/romaji.txt"
word_shown other
[ "$(differing shift-jis other)" != 0 ] || fail "two different words look the same on the word label"

# The player's own bank wins over the working folder's (which still says いぬ).
mkdir -p "$XDG_DATA_HOME/pokuraku"
printf 'neko,ねこ\r\n' >"$XDG_DATA_HOME/pokuraku/romaji.txt"
word_shown own
[ "$(differing shift-jis own)" = 0 ] || fail "the bank in the player's own folder is not the one asked"
rm -r "$XDG_DATA_HOME/pokuraku"

# ことば → リンクとQRコード… hands the bank on for the site address remembered from before: the QR code in
# its window reads as the link that pokuraku-bankcheck makes of the same file.
printf '[wordLink]\nsite=https://school.example/pokuraku/\n' >"$XDG_CONFIG_HOME/pokuraku/pokuraku.conf"
start_game
main=$(wait_window 'Ver\.7\.2' 30)
click_menu "$main" "$(menu_height "$main" 327)" 8 # », holding プレイヤー, 製作者 and ことば when the bar is full
xdotool key --window "$main" Down Down Down Return Return
link_window=$(wait_window '^リンクとQRコード$' 10)
shot "$link_window" link
want=$("$3/tools/bankcheck/pokuraku-bankcheck" --link https://school.example/pokuraku/ "$work/game/romaji.txt" | grep '#words=')
[ "$(zbarimg -q --nodbus --raw "$work/link.png")" = "$want" ] || fail "the QR code of the link window is not $want"
stop_game

# A FIFO in the bank's place: no wait for a writer, but the error box naming the file and what it is.
rm "$work/game/romaji.txt"
mkfifo "$work/game/romaji.txt"
start_game
box=$(wait_window '^ポクラク$' 20)
grep -q "romaji.txt: it is a named pipe (FIFO), not a file ($work/game/romaji.txt)" "$work/game.log" ||
    fail "the error does not say that romaji.txt is a FIFO"
[ -z "$(visible_window 'Ver\.7\.2')" ] || fail "the main window came up behind the error box"
xdotool windowfocus --sync "$box" key Return
wait_exit 20
[ "$game_status" -eq 1 ] || fail "the game ended with status $game_status, not 1, after the error box"
if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
