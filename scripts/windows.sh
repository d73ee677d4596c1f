#!/bin/sh
# Builds build/windows/wavedart-windows-x64.zip with mingw-w64: SDL2 from
# Debian's source package (scripts/windows-sdl.sh), the data drawn by a native
# build of the asset generator in build/win-native, and replay.exe and
# assetgen.exe beside the game for the checks.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
jobs="${JOBS:-2}"
cd "$root"

cmake -S . -B build/win-native -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF
cmake --build build/win-native -j "$jobs" --target assetgen

sdl=$(JOBS="$jobs" sh scripts/windows-sdl.sh)
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE="$root/windows/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF -DWAVEDART_WINDOWS_SDL="$sdl" \
    -DWAVEDART_HOST_ASSETGEN="$root/build/win-native/tools/assetgen/assetgen"
cmake --build build/windows -j "$jobs" --target windows_zip replay assetgen
echo "windows: build/windows/wavedart-windows-x64.zip"
