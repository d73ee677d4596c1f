#!/bin/sh
# Builds the page into build/web: SDL2 and the game built with Emscripten,
# the data drawn by the asset generator built for this machine, and the
# replay tool for Node beside them in build/web-build.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
export JOBS="${JOBS:-2}"
assetgen=$(sh "$root/scripts/host-assetgen.sh")
sdl=$(sh "$root/scripts/web-sdl.sh")
# Debian's Emscripten finds the acorn module only here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$root/build/web-build" -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF \
    -DWAVEDART_WEB_SDL="$sdl" -DWAVEDART_HOST_ASSETGEN="$assetgen" -DWAVEDART_WEB_OUT="$root/build/web"
cmake --build "$root/build/web-build" -j "$JOBS" --target web replay
echo "web: build/web/index.html and build/web/wavedart-web.zip"
