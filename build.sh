#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One command for a fresh Debian 12 machine: installs what is missing, builds, then
#   ./build.sh play   starts the game in the folder that holds its data
#   ./build.sh test   runs the whole test suite
#   ./build.sh package   makes the Debian package pokuraku_<version>_<arch>.deb in the build folder
#   ./build.sh setup  only installs what the tests need
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-play}

packages=(build-essential cmake ninja-build ccache pkg-config
          qt6-base-dev libsdl2-dev libqt6svg6 qt6-qpa-plugins
          fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
          xvfb xauth xdotool x11-utils imagemagick)
if [ "$what" = test ] || [ "$what" = setup ]; then
  packages+=(clang clang-format libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file
             pulseaudio pulseaudio-utils openbox)
elif [ "$what" = package ]; then
  packages+=(dpkg-dev file)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "$what" = setup ] && exit 0

# A configure preset of CMakePresets.json: default, werror (CI), sanitize (CI); PRESET chooses it.
preset=${PRESET:-default}
build=$(case $preset in sanitize) echo build-sanitize ;; *) echo build ;; esac)
cmake --preset "$preset" ${CMAKE_ARGS:-}
cmake --build --preset "$preset" -j"$(nproc)"

case "$what" in
  play)
    # Started in the build folder, the game finds the data copied beside it.
    cd "$build" && exec ./pokuraku ;;
  test)
    ctest --preset "$preset" -j"$(nproc)" ;;
  package)
    (cd "$build" && cpack -G DEB)
    deb=$(ls -t "$build"/pokuraku_*.deb | head -n 1)
    echo "Install it with: sudo apt-get install $(realpath "$deb")" ;;
  *)
    echo "usage: $0 [play|test|package]" >&2; exit 2 ;;
esac
