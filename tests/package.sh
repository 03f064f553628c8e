#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` makes pokuraku_<version>_<arch>.deb whose Depends name the Qt 6 and
# SDL 2 run-time packages, SQLite and the IPA fonts, whose files are owned by root and sit under /usr, and whose
# desktop entry starts pokuraku from the PATH (the game finds its data files and sounds in /usr/share/pokuraku
# by itself); the bank checker comes with it as /usr/bin/pokuraku-bankcheck.
# Arguments: the built pokuraku, the source folder, the build folder.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

source_dir=$2
build_dir=$3
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (./build.sh test installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack"
}
debs=("$work"/pokuraku_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single pokuraku_*.deb: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb")"
dpkg-deb -I "$deb"

# Every package the game needs on a fresh machine, named in Depends.
depends=$(dpkg-deb -f "$deb" Depends)
names=" $(echo "$depends" | sed -E 's/\([^)]*\)//g; s/[,|]/ /g') "
for p in libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0 libsqlite3-0 qt6-qpa-plugins fonts-ipafont-gothic \
         fonts-ipafont-mincho; do
    [[ $names == *" $p "* ]] || fail "Depends does not name $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = pokuraku ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"

# The package's version is the release the metainfo announces.
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$source_dir/packaging/io.github.pokuraku.metainfo.xml" ||
    fail "the metainfo has no release $version"

dpkg-deb -c "$deb" >"$work/contents"
! awk '{print $2}' "$work/contents" | grep -v '^root/root$' || fail "files not owned by root"
! awk '{print $6}' "$work/contents" | grep -v -E '^\./(usr/)?$|^\./usr/(bin|share)/' || fail "files outside /usr"
listed() { grep -q " \./${1#/}\$" "$work/contents" || fail "$1 not in the package"; }
listed /usr/bin/pokuraku
listed /usr/bin/pokuraku-bankcheck
for f in "$source_dir"/data/*; do listed "/usr/share/pokuraku/$(basename "$f")"; done
listed /usr/share/applications/pokuraku.desktop
listed /usr/share/metainfo/io.github.pokuraku.metainfo.xml
listed /usr/share/icons/hicolor/48x48/apps/pokuraku.png
listed /usr/share/doc/pokuraku/LICENSE

dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/applications/pokuraku.desktop >"$work/pokuraku.desktop"
grep -qx 'Exec=pokuraku' "$work/pokuraku.desktop" || fail "Exec: $(grep Exec= "$work/pokuraku.desktop")"
! grep -q '^Path=' "$work/pokuraku.desktop" || fail "the entry names a folder: $(grep Path= "$work/pokuraku.desktop")"
echo "PASS"
