#!/bin/sh
# Builds the release files into build/dist/: the Debian package, one zip
# wavedart-VERSION-NAME.zip for each NAME=PATH argument (PATH a zip, copied,
# or a folder, zipped), and SHA256SUMS over all of them.
# Usage: dist.sh [NAME=PATH...]
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
for release in "$@"; do
    zip="$(realpath "$out")/wavedart-$version-${release%%=*}.zip"
    path=${release#*=}
    if [ -d "$path" ]; then
        # The folder's files at the top of the zip, stamped with the time of
        # the last commit so that the same tree gives the same bytes.
        stamp=$(TZ=UTC git log -1 --date=format-local:'%F %T' --format='%cd UTC' 2>/dev/null ||
            date -u +'%F %T UTC')
        (cd "$path" && cmake -E tar cf "$zip" --format=zip --mtime="$stamp" -- $(ls -A))
    else
        cp "$path" "$zip"
    fi
done
(cd "$out" && sha256sum -- * > SHA256SUMS)
ls -l "$out"
