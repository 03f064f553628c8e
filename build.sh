#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One command for a fresh Debian 12 machine: installs what is missing, builds, then
#   ./build.sh play   starts the game in the folder that holds its data
#   ./build.sh test   runs the whole test suite
#   ./build.sh package   makes the Debian package pokuraku_<version>_<arch>.deb in the build folder
#   ./build.sh web    builds the browser game into build-web/site and serves it on http://127.0.0.1:8000
#   ./build.sh setup  only installs what the tests need
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-play}

packages=(build-essential cmake ninja-build ccache pkg-config libgtest-dev
          qt6-base-dev libsdl2-dev libsqlite3-dev libqt6svg6 qt6-qpa-plugins zlib1g-dev libqrcodegencpp-dev
          fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
          xvfb xauth xdotool x11-utils imagemagick)
web_packages=(emscripten node-acorn esbuild python3-fonttools python3-brotli node-qrcode-generator)
if [ "$what" = test ] || [ "$what" = setup ]; then
  packages+=(clang clang-format libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file sqlite3
             pulseaudio pulseaudio-utils openbox chromium nodejs zbar-tools "${web_packages[@]}")
elif [ "$what" = web ]; then
  packages=(build-essential cmake ninja-build ccache imagemagick fonts-ipafont-gothic fonts-ipafont-mincho
            "${web_packages[@]}")
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

# The browser game: the same core compiled with Emscripten, and the site folder made from it.
build_site() {
  export NODE_PATH=/usr/share/nodejs
  [ -f build-web/build.ninja ] || emcmake cmake --preset web
  cmake --build --preset web -j"$(nproc)"
  frontends/web/make-site.sh build-web build-web/site
}
if [ "$what" = web ]; then
  build_site
  echo "Serving the game on http://127.0.0.1:8000 (Ctrl+C stops it)"
  exec /usr/bin/python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
fi

# A configure preset of CMakePresets.json: default, werror (CI), sanitize (CI); PRESET chooses it. (The
# browser build above has its own preset, web, and the fuzz targets theirs, fuzz.)
preset=${PRESET:-default}
build=$(case $preset in sanitize) echo build-sanitize ;; *) echo build ;; esac)
cmake --preset "$preset" ${CMAKE_ARGS:-}
cmake --build --preset "$preset" -j"$(nproc)"

case "$what" in
  play)
    # Started in the build folder, the game finds the data copied beside it.
    cd "$build" && exec ./pokuraku ;;
  test)
    # The browser check drives Debian's Chromium through puppeteer-core, from the npm registry.
    build_site
    # (again whenever the lock file is newer than what was installed from it)
    [ tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ] ||
      (cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
    ctest --preset "$preset" -j"$(nproc)" ;;
  package)
    (cd "$build" && cpack -G DEB)
    deb=$(ls -t "$build"/pokuraku_*.deb | head -n 1)
    echo "Install it with: sudo apt-get install $(realpath "$deb")" ;;
  *)
    echo "usage: $0 [play|test|package|web|setup]" >&2; exit 2 ;;
esac
