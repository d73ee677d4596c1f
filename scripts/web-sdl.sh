#!/bin/sh
# Builds SDL2 for the browser from Debian's source package with Emscripten,
# once, into build/web-sdl, and prints the folder it is installed in.
# Nothing comes from Emscripten's own ports.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/web-sdl"
prefix="$dir/install"
version=$(dpkg-query -W -f='${Version}' libsdl2-dev)
if [ -f "$prefix/lib/libSDL2.a" ] && [ "$(cat "$dir/version" 2>/dev/null)" = "$version" ]; then
    echo "$prefix"
    exit 0
fi

src=$(sh "$root/scripts/sdl-source.sh")
# Debian's Emscripten finds the acorn module only here.
export NODE_PATH=/usr/share/nodejs
rm -rf "$dir"
# Progress goes to stderr: stdout is only the folder.
emcmake cmake -S "$src" -B "$dir/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF >&2
cmake --build "$dir/build" -j "${JOBS:-2}" >&2
cmake --install "$dir/build" >&2
echo "$version" > "$dir/version"
echo "$prefix"
