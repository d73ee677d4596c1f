#!/bin/sh
# Builds build/windows/wavedart-windows-x64.zip with mingw-w64: SDL2 from
# Debian's source package (scripts/windows-sdl.sh), the data drawn by the
# asset generator built for this machine (scripts/host-assetgen.sh), and
# replay.exe and assetgen.exe beside the game for the checks.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
jobs="${JOBS:-2}"
cd "$root"

assetgen=$(JOBS="$jobs" sh scripts/host-assetgen.sh)
sdl=$(JOBS="$jobs" sh scripts/windows-sdl.sh)
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE="$root/windows/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF -DWAVEDART_WINDOWS_SDL="$sdl" \
    -DWAVEDART_HOST_ASSETGEN="$assetgen"
cmake --build build/windows -j "$jobs" --target windows_zip replay assetgen
echo "windows: build/windows/wavedart-windows-x64.zip"
