# SPDX-License-Identifier: MIT
# A whole question played with the keyboard alone in a real window under Xvfb: keys typed with xdotool
# (XTEST, as a keyboard types them) press the tiles, Enter before the last letter and Enter after OK do
# nothing, Enter submits the finished answer, and the score shown is the one the mouse path gives for the
# same word. A second game types a word with the long-vowel mark (Shift+6 on the US layout), and a third one
# a Kunrei word in the Hepburn the player chose at an earlier start.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

tile() { echo $((240 + 480 * $1)) 2280 450 555; }
ok="3480 2400 1095 372"
mark="4080 1080 735 700"
score="4680 3360 1215 735"

# Starts the game with a one-word bank and sets main and menu for its main window.
open_game() {
    make_folder "$1"
    start_game
    await_main_window 30
    await_twips dealt "$main" "$menu" $(tile 0) shown "tile 0 shows no letter"
}

# Quits from the menu and expects a clean end.
quit_game() {
    click_menu "$main" "$menu" 3
    wait_exit 20
    [ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
}

# Saves the score label of the last screenshot (name) as the picture score-<as>.png.
crop_score() {
    local name=$1 as=$2 x y w h
    read -r x y w h <<<"$score"
    convert "$work/$name.png" -crop "$((w / 15))x$((h / 15))+$((x / 15))+$((menu + y / 15))" +repage \
        "$work/score-$as.png"
}

# Pictures that differ in no pixel; says how many differ.
same_picture() {
    local differ
    differ=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    echo "$1 and $2 differ in $differ pixels"
    [ "$differ" = 0 ]
}

start_display

# The mouse path: both tiles of "ii" and OK, clicked at their places.
open_game "ii,いい"
crop_score dealt start
click_twips "$main" "$menu" 465 2557
click_twips "$main" "$menu" 945 2557
await_twips two "$main" "$menu" $ok shown "the OK button is not shown after the last letter (mouse)"
click_twips "$main" "$menu" 4027 2586
await_twips judged "$main" "$menu" $mark shown "no correct-answer mark after the right answer (mouse)"
crop_score judged mouse
same_picture score-start score-mouse && fail "the score label did not change after a right answer"
quit_game

# The keyboard path on the same word. x has no tile; the first i presses tile 0, the lowest of the two.
open_game "ii,いい"
xdotool type --delay 50 xi
await_twips one "$main" "$menu" $(tile 0) empty "typing i did not press tile 0"
[ "$(dark_twips one "$menu" $(tile 1))" -gt 0 ] || fail "one i pressed both tiles"
echo "typed x i: tile 0 pressed, tile 1 still shows its letter"
xdotool key Return # OK is not shown yet: nothing happens
xdotool type i
await_twips two "$main" "$menu" $ok shown "the OK button is not shown after the last letter typed"
xdotool key Return
await_twips judged "$main" "$menu" $mark shown "Enter gave no correct-answer mark"
crop_score judged keyboard
same_picture score-mouse score-keyboard || fail "the keyboard answer scored otherwise than the mouse answer"
# After OK the focus falls to the retry button: Enter must not deal again, so the i typed before it stays
# pressed and the next i finishes the word.
xdotool key Return type i
await_twips again "$main" "$menu" $(tile 0) empty "typing i on the next question did not press tile 0"
xdotool key Return type i
await_twips again2 "$main" "$menu" $ok shown "Enter after OK dealt the word again"
quit_game

# The long-vowel mark: "a^" is worth as much as "ii".
open_game "a^,あー"
xdotool type --delay 50 'a^'
await_twips caret "$main" "$menu" $ok shown "the OK button is not shown after typing a^"
xdotool key Return
await_twips caretjudged "$main" "$menu" $mark shown "no correct-answer mark after typing a^ and Enter"
crop_score caretjudged caret
same_picture score-mouse score-caret || fail "a^ typed scored otherwise than ii clicked"
quit_game

# Hepburn, as remembered from an earlier start: the list's "hu" is dealt and typed as "fu".
printf '[romaji]\nspelling=hepburn-macron\n' >"$XDG_CONFIG_HOME/pokuraku/pokuraku.conf"
open_game "hu,ふ"
xdotool type --delay 50 fu
await_twips hepburn "$main" "$menu" $ok shown "the OK button is not shown after typing fu for ふ in Hepburn"
xdotool key Return
await_twips hepburnjudged "$main" "$menu" $mark shown "no correct-answer mark after typing fu and Enter"
crop_score hepburnjudged hepburn
same_picture score-mouse score-hepburn || fail "fu typed in Hepburn scored otherwise than ii clicked"
quit_game

if grep -E 'Sanitizer|runtime error' "$work/game.log" >/dev/null; then fail "sanitizer report"; fi
echo "PASS"
