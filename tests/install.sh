#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed game: `cmake --install` into a temporary prefix puts the program, its data folder, the
# desktop entry, the icons and the metainfo in place; the desktop entry and the metainfo validate. On an
# Xvfb display of its own the installed program, started as the desktop entry says (its bare command,
# found on the PATH, in a folder without data) and started in an empty folder, shows the opening window
# and then the main screen, playing with the installed data; a bank in the player's own folder
# ($XDG_DATA_HOME/pokuraku) wins over the working folder's and the installed one.
# Arguments: the built pokuraku, the source folder, the build folder.
source "$(dirname "$0")/e2e/lib.sh"

build_dir=$3
for tool in desktop-file-validate appstreamcli Xvfb xdotool compare; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (./build.sh test installs it)"
done

work=$(cd "$work" && pwd -P)
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

[ -x "$prefix/bin/pokuraku" ] || fail "no executable in bin/"
[ -x "$prefix/bin/pokuraku-bankcheck" ] || fail "no checker in bin/"
"$prefix/bin/pokuraku-bankcheck" "$prefix/share/pokuraku/romaji.txt" "$prefix/share/pokuraku/romajimojiren.txt" ||
    fail "the installed data does not pass the installed checker"
for f in "$source_dir"/data/*; do
    cmp -s "$f" "$prefix/share/pokuraku/$(basename "$f")" || fail "data file $(basename "$f") not installed"
done
for f in romaji.txt romajimojiren.txt seikai2.wav seikai100.wav matigai.wav hinto.wav a.wav taberareru.wav \
         tukamaeru.wav; do
    [ -f "$prefix/share/pokuraku/$f" ] || fail "$f missing from the data folder"
done
for icon in "$source_dir"/assets/icon/hicolor/*/pokuraku.png; do
    size=$(basename "$(dirname "$icon")")
    cmp -s "$icon" "$prefix/share/icons/hicolor/$size/apps/pokuraku.png" || fail "icon $size not installed"
done
echo "installed: $(find "$prefix" -type f | wc -l) files"

desktop=$prefix/share/applications/pokuraku.desktop
metainfo=$prefix/share/metainfo/io.github.pokuraku.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli validate-tree"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "ポクラク" ] || fail "Name is $(key Name)"
[ "$(key Categories)" = "Game;Education;KidsGame;" ] || fail "Categories is $(key Categories)"
[ -n "$(key Comment)" ] && [ -n "$(key 'Comment\[ja\]')" ] || fail "Comment and Comment[ja] wanted"
[ "$(key Icon)" = pokuraku ] || fail "Icon is $(key Icon)"
[ "$(key Exec)" = pokuraku ] || fail "Exec is $(key Exec)"
[ -z "$(key Path)" ] || fail "the entry names a folder: $(key Path)"

start_display
# The entry names the command alone: it is found on the PATH, as the desktop finds it.
export PATH=$prefix/bin:$PATH
program=$(key Exec)

# Starts the installed game in a folder and waits for the opening and then the main screen, with no error.
plays_in() {
    local folder=$1 what=$2 main
    start_game "$folder"
    wait_window '^オープニング$' 30 >/dev/null
    main=$(wait_window 'Ver\.7\.2' 30)
    await_twips "$what" "$main" "$(menu_height "$main" 327)" 0 600 5655 495 shown "no word shown ($what)"
    ! grep -q '^pokuraku:' "$work/game.log" || fail "error from the program ($what): $(cat "$work/game.log")"
    [ -z "$(visible_window '^ポクラク$')" ] || fail "an error box is open ($what)"
    echo "$what: the opening, then the main screen"
}

# Keeps a picture of the word label of the running game's main window as $work/<name>-crop.png.
word_picture() {
    local main
    main=$(wait_window 'Ver\.7\.2' 10)
    settled_crop "$1" "$main" "$(menu_height "$main" 327)" 0 600 5655 495
}

mkdir "$work/home"
plays_in "$work/home" "started as the desktop entry says"
stop_game
mkdir "$work/empty"
plays_in "$work/empty" "started in an empty folder"
stop_game

# The player's own bank: a fault in it is reported with its full path, so it is the file that was read...
own=$XDG_DATA_HOME/pokuraku
mkdir -p "$own"
printf 'neko\r\n' >"$own/romaji.txt"
start_game "$work/empty"
box=$(wait_window '^ポクラク$' 30)
grep -q "^pokuraku: romaji.txt, line 1: the file ends in the middle of a record ($own/romaji.txt)" "$work/game.log" ||
    fail "the player's own bank was not the one read: $(cat "$work/game.log")"
xdotool windowfocus --sync "$box" key Return
wait_exit 20
[ "$game_status" -eq 1 ] || fail "the game ended with status $game_status after the error box"
echo "a fault in the player's own bank names it: $own/romaji.txt"

# ...and a good one is played: its one word is the word a working-folder bank of that word shows.
mkdir "$work/same"
printf 'neko,ねこ\r\n' >"$work/same/romaji.txt"
rm "$own/romaji.txt"
plays_in "$work/same" "a one-word bank in the working folder"
word_picture working
stop_game
printf 'neko,ねこ\r\n' >"$own/romaji.txt"
plays_in "$work/empty" "the same bank in the player's own folder"
word_picture own
stop_game
differ=$(pixels_differing working-crop own-crop)
[ "$differ" = 0 ] || fail "the player's own bank is not the one asked ($differ pixels differ)"
echo "PASS"
