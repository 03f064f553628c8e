# SPDX-License-Identifier: MIT
# On a 1280x1024 screen the practice window opens beside the chart window, not over its last column, and
# both lie wholly on the screen.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

make_folder "ii,いい"
start_display 1280x1024x24
start_game

await_main_window
click_menu "$main" "$menu" 2
practice=$(wait_window '^ローマ字練習$' 10)
chart=$(wait_window '^ローマ字表$' 10)
expect_on_screen "$chart" "the chart window"
expect_on_screen "$practice" "the practice window"
eval "$(xdotool getwindowgeometry --shell "$chart")"
chart_x=$X chart_y=$Y chart_right=$((X + WIDTH))
eval "$(xdotool getwindowgeometry --shell "$practice")"
[ "$chart_x" -eq 0 ] || fail "the chart window stands at x $chart_x, not at the left edge"
[ "$X" -ge "$chart_right" ] || fail "the practice window at x $X covers the chart window, which ends at $chart_right"
shot root beside
keep_shot beside 1280x1024-practice-beside-chart
leave_practice_and_quit "$practice" "$menu"
echo "PASS"
