#!/bin/sh
# Builds the asset generator for this machine, for a cross build that cannot
# run its own, and prints its path.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
# Progress goes to stderr: stdout is only the path.
cmake -S "$root" -B "$root/build/host" -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF >&2
cmake --build "$root/build/host" -j "${JOBS:-2}" --target assetgen >&2
echo "$root/build/host/tools/assetgen/assetgen"
