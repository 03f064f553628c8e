# SPDX-License-Identifier: MIT
# At scale 2 on a 1280x1024 screen (640x512 to the windows) the opening and the main window open wholly on
# the screen; the main window at its design position would reach 180 pixels past the right edge.
# Arguments (from CTest): the built game, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

make_folder "ii,いい"
start_display 1280x1024x24
export QT_SCALE_FACTOR=2
start_game

opening=$(wait_window '^オープニング$' 20)
expect_on_screen "$opening" "the opening window"
main=$(wait_window 'Ver\.7\.2' 20)
wait_gone '^オープニング$' 5
expect_on_screen "$main" "the main window"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq 818 ] || fail "the main window is $WIDTH pixels wide at scale 2, not 818"
# Tile 1 (left 720, top 2280 twips) shows its letter: the window is drawn, not only mapped.
menu=$(menu_height "$main" 654)
deadline=$((SECONDS + 10))
until shot "$main" scaled && drawn scaled && [ "$(dark_pixels scaled 60 74 96 $((menu + 304)))" -gt 0 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "tile 1 shows no letter at scale 2"
    sleep 0.1
done
shot root scaled-main
keep_shot scaled-main 1280x1024-scale2-main
echo "PASS"
