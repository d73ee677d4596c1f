#!/bin/sh
# Builds the release files into build/dist/: the Debian package, the zips
# named as arguments, and SHA256SUMS over all of them.
# Usage: dist.sh [zip...]
set -eu
cd "$(dirname "$0")/.."

build=build/dist-build
out=build/dist

# Debian's flags for packaged programs: hardened, and with no build folder
# names left in the binary.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
# Only what the package holds is built: cpack then installs without building
# the tools.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF -DWAVEDART_BIN_DIR=games \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j "${JOBS:-2}" --target wavedart assets icons packaging_docs
(cd "$build" && cpack)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -rf "$out"
mkdir -p "$out"
cp "$build/wavedart_${version}_$(dpkg --print-architecture).deb" "$out/"
for zip in "$@"; do
    cp "$zip" "$out/"
done
(cd "$out" && sha256sum -- * > SHA256SUMS)
ls -l "$out"
