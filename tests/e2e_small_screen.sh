# SPDX-License-Identifier: MIT
# On a 640x480 screen every window opens wholly on it: the opening, the main window (whose design position
# would put its right third, OK, retry and the score, past the edge) and the practice window; the chart
# window, taller than the screen, keeps its top-left corner on it. The right end of the main window can be
# played: the tiles and OK answer the word there. All under openbox, each window with its frame, down to the
# result box at the game's end.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

make_folder "ii,いい"
start_display 640x480x24
start_window_manager
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
deadline=$((SECONDS + 5))
until frame_geometry "$chart" && ((X == 0 && Y == 0)); do
    ((SECONDS < deadline)) || fail "the chart window, taller than the screen, stands at $X,$Y with its frame"
    sleep 0.05
done
shot root small-practice
keep_shot small-practice 640x480-practice

# Answered again and again, the creatures run until the fifth is lost and the result box comes up.
leave_practice "$practice"
result=$(play_to_result "$(wait_window 'Ver\.7\.2' 10)" "$menu" "465 2557" "945 2557" "4027 2586")
expect_on_screen "$result" "the result box"
xdotool windowfocus --sync "$result" key Return
wait_exit 20
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status after its result"
echo "PASS"
