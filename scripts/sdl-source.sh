#!/bin/sh
# Fetches Debian's source package of libsdl2, of the same version as the
# installed libsdl2-dev, into build/sdl2-src once, and prints its folder.
# apt runs on a configuration of its own under build/apt (a sources list with
# the deb-src entries, its own lists and cache), so the machine's apt sources
# and state stay as they are. Needs dpkg-dev for unpacking.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/sdl2-src"
apt_dir="$root/build/apt"

version=$(dpkg-query -W -f='${Version}' libsdl2-dev)
found=$(ls -d "$out"/libsdl2-*/ 2>/dev/null | head -n 1)
if [ -n "$found" ] && [ -f "$out/version" ] && [ "$(cat "$out/version")" = "$version" ]; then
    echo "${found%/}"
    exit 0
fi

. /etc/os-release
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/parts"
cat > "$apt_dir/sources.list" <<LIST
deb-src [signed-by=$keyring] http://deb.debian.org/debian $VERSION_CODENAME main
deb-src [signed-by=$keyring] http://deb.debian.org/debian $VERSION_CODENAME-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security $VERSION_CODENAME-security main
LIST

apt_private() {
    apt-get -q \
        -o Dir::Etc::SourceList="$apt_dir/sources.list" \
        -o Dir::Etc::SourceParts="$apt_dir/parts" \
        -o Dir::State::Lists="$apt_dir/lists" \
        -o Dir::Cache="$apt_dir/cache" \
        -o APT::Sandbox::User=root \
        "$@"
}

# Progress goes to stderr: stdout is only the folder.
apt_private update >&2
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && apt_private source "libsdl2=$version" >&2)
echo "$version" > "$out/version"
found=$(ls -d "$out"/libsdl2-*/ | head -n 1)
echo "${found%/}"
