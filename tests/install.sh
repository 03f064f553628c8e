#!/usr/bin/env bash
# The installed game: `cmake --install` into a temporary prefix puts the program, its data folder, the
# desktop entry, the icons and the metainfo in place; the desktop entry and the metainfo validate; the
# program started as the desktop entry says (its command, in its Path= folder) shows the opening window and
# then the main screen; started in a folder without its files it names the missing file, the folder it
# looked in and the command that starts it from its data folder.
# Arguments: the built pokuraku, the source folder, the build folder.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls until a visible window whose name matches the regular expression appears; prints its id.
wait_for_window() {
    local pattern=$1 pid=$2 id
    for _ in $(seq 1 80); do
        kill -0 "$pid" 2>/dev/null || return 1
        if id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); then
            echo "${id%%$'\n'*}"
            return 0
        fi
        sleep 0.25
    done
    return 1
}

stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

# Runs under Xvfb: $1 the command of the desktop entry, $2 its Path= folder, $3 an empty folder, $4 a
# scratch folder for the programs' error output.
under_x() {
    local exec=$1 folder=$2 empty=$3 scratch=$4 pid
    unset QT_QPA_PLATFORM

    (cd "$folder" && exec "$exec" 2>"$scratch/started.err") &
    pid=$!
    wait_for_window '^オープニング$' "$pid" >/dev/null || { cat "$scratch/started.err" >&2; stop "$pid"; fail "no opening window"; }
    echo "opening window shown"
    # The main screen's title is longer than the error box's bare "ポクラク".
    wait_for_window '^ポクラク.' "$pid" >/dev/null || { cat "$scratch/started.err" >&2; stop "$pid"; fail "no main screen after the opening"; }
    echo "main screen shown"
    # An error box would be titled "ポクラク" alone, and the program says its error on stderr.
    local box=""
    box=$(xdotool search --onlyvisible --name '^ポクラク$' 2>/dev/null) || true
    stop "$pid"
    ! grep -q '^pokuraku:' "$scratch/started.err" || fail "error from the program: $(cat "$scratch/started.err")"
    [ -z "$box" ] || fail "an error box is open"

    (cd "$empty" && exec "$exec" 2>"$scratch/empty.err") &
    pid=$!
    wait_for_window '^ポクラク$' "$pid" >/dev/null || { cat "$scratch/empty.err" >&2; stop "$pid"; fail "no error box"; }
    stop "$pid"
    echo "error box shown: $(grep '^pokuraku:' "$scratch/empty.err" || true)"
    local said
    said=$(cat "$scratch/empty.err")
    [[ $said == *"romaji.txt: file not found in the folder $empty."* ]] || fail "the message does not name the file and folder: $said"
    [[ $said == *"cd $folder && $exec"* ]] || fail "the message does not say how to start from $folder: $said"
}

if [ "${1:-}" = --under-x ]; then
    shift
    under_x "$@"
    exit 0
fi

source_dir=$2
build_dir=$3
for tool in desktop-file-validate appstreamcli xvfb-run xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (./build.sh test installs it)"
done

work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

[ -x "$prefix/bin/pokuraku" ] || fail "no executable in bin/"
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
[ "$(key Exec)" = "$prefix/bin/pokuraku" ] || fail "Exec is $(key Exec)"
[ "$(key Path)" = "$prefix/share/pokuraku" ] || fail "Path is $(key Path)"

mkdir "$work/empty" "$work/scratch"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" \
    bash "${BASH_SOURCE[0]}" --under-x "$(key Exec)" "$(key Path)" "$work/empty" "$work/scratch"
echo "PASS"
