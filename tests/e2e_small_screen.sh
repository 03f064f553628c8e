# SPDX-License-Identifier: MIT
# On a 640x480 screen every window opens wholly on it: the opening, the main window (whose design position
# would put its right third, OK, retry and the score, past the edge) and the practice window; the chart
# window, taller than the screen, keeps its top-left corner on it. The right end of the main window can be
# played: the tiles and OK answer the word there.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

make_folder "ii,いい"
start_display 640x480x24
start_game

opening=$(wait_window '^オープニング$' 20)
expect_on_screen "$opening" "the opening window"
main=$(wait_window 'Ver\.7\.2' 20)
wait_gone '^オープニング$' 5
expect_on_screen "$main" "the main window"
menu=$(menu_height "$main" 327)

tile() { echo $((240 + 480 * $1)) 2280 450 555; }
ok="3480 2400 1095 372"
mark="4080 1080 735 700"
await_twips dealt "$main" "$menu" $(tile 1) shown "tile 1 shows no letter"
click_twips "$main" "$menu" 465 2557
click_twips "$main" "$menu" 945 2557
await_twips two "$main" "$menu" $ok shown "the OK button is not shown after the last letter"
click_twips "$main" "$menu" 4027 2586
await_twips judged "$main" "$menu" $mark shown "no correct-answer mark after the right answer"
shot root small-main
keep_shot small-main 640x480-main

click_menu "$main" "$menu" 2
practice=$(wait_window '^ローマ字練習$' 10)
chart=$(wait_window '^ローマ字表$' 10)
expect_on_screen "$practice" "the practice window"
eval "$(xdotool getwindowgeometry --shell "$chart")"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "the chart window, taller than the screen, stands at $X,$Y"
shot root small-practice
keep_shot small-practice 640x480-practice

leave_practice_and_quit "$practice" "$menu"
echo "PASS"
