#!/bin/sh
# Builds SDL2 for 64-bit Windows as a static library, from Debian's source
# package of the installed libsdl2-dev's version, once, into
# build/windows-sdl; prints that folder.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/build/windows-sdl"
work="$root/build/windows-sdl-build"
jobs="${JOBS:-2}"

source=$(sh "$root/scripts/sdl-source.sh")
version=$(cat "$root/build/sdl2-src/version")
if [ -f "$prefix/version" ] && [ "$(cat "$prefix/version")" = "$version" ]; then
    echo "$prefix"
    exit 0
fi

rm -rf "$prefix" "$work"
{
    cmake -S "$source" -B "$work" \
        -DCMAKE_TOOLCHAIN_FILE="$root/windows/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
    cmake --build "$work" -j "$jobs"
    cmake --install "$work"
} >&2
echo "$version" > "$prefix/version"
echo "$prefix"
