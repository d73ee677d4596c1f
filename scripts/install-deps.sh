#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing.
# Usage: install-deps.sh [play|test|dist|windows|web]
set -eu

mode="${1:-play}"
packages="cmake make g++ pkg-config libsdl2-dev unifont"
if [ "$mode" = "test" ]; then
    # clang with its runtime libraries (libFuzzer, sanitizers) builds the fuzz targets.
    packages="$packages googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev"
    # xvfb and xauth: a test runs the installed game on a virtual X display.
    packages="$packages xvfb xauth"
    # zlib inflates the generated icons in their test.
    packages="$packages zlib1g-dev"
fi
if [ "$mode" = "dist" ]; then
    # dpkg-dev: dpkg-shlibdeps for the package's dependencies; lintian checks
    # the package; xdotool and ImageMagick press Escape in the installed game
    # and compare its window with the main menu picture.
    packages="$packages dpkg-dev lintian xvfb xauth xdotool imagemagick"
    # appstream, desktop-file-utils and python3-debian check the metainfo,
    # the menu entry and the copyright file.
    packages="$packages appstream desktop-file-utils python3-debian"
fi
if [ "$mode" = "web" ]; then
    # Emscripten (its optimizer needs acorn), apt-get source (dpkg-dev) for
    # SDL2's source, and Chromium for the page's tests.
    packages="$packages emscripten node-acorn dpkg-dev chromium python3"
    # npm for the test's browser driver; a Node from elsewhere brings its own.
    command -v npm >/dev/null 2>&1 || packages="$packages npm"
fi
if [ "$mode" = "windows" ]; then
    # The cross compiler, apt-get source (dpkg-dev) for SDL2's source, and
    # Wine on a virtual X display, driven by xdotool and looked at with
    # ImageMagick, for the checks.
    packages="$packages mingw-w64 dpkg-dev wine64 xvfb xauth xdotool imagemagick"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "install-deps: missing packages:$missing (run as root or install sudo)" >&2
    exit 1
fi

echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -q
# shellcheck disable=SC2086
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends $missing
