#!/bin/sh
# Checks the Debian package in build/dist/ the way Debian checks packages,
# then installs it, runs the installed game and removes it again. As root on
# CI (CI=true) it installs into this system; elsewhere into a scratch root
# that shares this system's list of installed packages, so that the
# dependencies are checked all the same.
set -eu
cd "$(dirname "$0")/.."

build=build/dist-build
out=build/dist
deb=$(echo "$out"/wavedart_*_*.deb)
[ -f "$deb" ] || { echo "test-dist: no single package in $out (run make dist)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "test-dist: $*" >&2
    exit 1
}

echo "== checksums"
(cd "$out" && sha256sum --check --strict SHA256SUMS)

echo "== zips"
version=${deb##*/wavedart_}
version=${version%%_*}
for entry in windows-x64:wavedart.exe windows-x64:COPYING.txt windows-x64:data/PALDATA2.PAL web:index.html web:touch.js web:wavedart.wasm \
    web:COPYING.txt web:service-worker.js web:manifest.webmanifest; do
    zip="$out/wavedart-$version-${entry%%:*}.zip"
    cmake -E tar tf "$zip" | grep -qx "${entry#*:}" || fail "${entry#*:} is not in $zip"
done

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb"

echo "== metadata"
# What desktops and software centres read, as the package holds it; lintian
# looks at neither, nor at the copyright file's format.
dpkg-deb --extract "$deb" "$work/unpacked"
metainfo=$(echo "$work"/unpacked/usr/share/metainfo/*.metainfo.xml)
[ -f "$metainfo" ] || fail "no single metainfo file in the package"
appstreamcli validate --no-net --explain --strict "$metainfo"
desktop-file-validate "$work/unpacked/usr/share/applications/wavedart.desktop"
/usr/bin/python3 - "$work/unpacked/usr/share/doc/wavedart/copyright" <<'END'
import sys
from debian.copyright import Copyright

with open(sys.argv[1]) as f:
    copyright = Copyright(f, strict=True)
texts = {p.license.synopsis for p in copyright.all_license_paragraphs() if p.license.text}
named = set()
for p in copyright.all_files_paragraphs():
    if not p.license.text and p.license.synopsis not in texts:
        sys.exit(f"copyright: no text of {p.license.synopsis}")
    named.add(p.license.synopsis)
if texts - named:
    sys.exit(f"copyright: licences no file has: {', '.join(sorted(texts - named))}")
print("copyright: machine-readable, every licence with its text")
END

echo "== contents"
# Exactly the game, its files, the menu entry, icons and documentation:
# what the build made for them, and nothing else.
{
    echo usr/games/wavedart
    (cd "$build/data" && find . -type f ! -name '.*') | sed 's|^\./|usr/share/wavedart/|'
    (cd "$build/icons" && find . -type f) | sed 's|^\./|usr/share/icons/hicolor/|'
    echo usr/share/applications/wavedart.desktop
    (cd "$build/desktop" && ls ./*.metainfo.xml) | sed 's|^\./|usr/share/metainfo/|'
    echo usr/share/man/man6/wavedart.6.gz
    echo usr/share/doc/wavedart/copyright
    echo usr/share/doc/wavedart/changelog.gz
} | sort > "$work/expected"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort > "$work/files"
diff -u "$work/expected" "$work/files" || fail "the package holds other files than expected"
dpkg-deb --contents "$deb" | awk '$2 != "root/root" {print; bad = 1} END {exit bad}' ||
    fail "files not owned by root"
sdl=$(pkg-config --modversion sdl2)
dpkg-deb --field "$deb" Depends | grep -q "libsdl2-2.0-0 (>= $sdl)" ||
    fail "no dependency on libsdl2-2.0-0 (>= $sdl)"

echo "== install"
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    root=/
    dpkg="dpkg"
else
    root="$work/root"
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
    cp /var/lib/dpkg/status "$root/var/lib/dpkg/status"
    # Empty file lists: dpkg then knows the packages without their files.
    (cd /var/lib/dpkg/info && find . -name '*.list') | (cd "$root/var/lib/dpkg/info" && xargs touch)
    dpkg="dpkg --root=$root --log=$work/dpkg.log"
    [ "$(id -u)" -eq 0 ] || dpkg="fakeroot $dpkg --force-not-root"
fi
$dpkg --install "$deb"
game="$root/usr/games/wavedart"
data="$root/usr/share/wavedart"
[ -x "$game" ] || fail "$game not installed"

echo "== run"
# The game, started from an unrelated folder on a virtual display the size of
# its window, must show the main menu picture and quit on Escape.
mkdir "$work/elsewhere"
runner=$(realpath scripts/run-installed.sh)
(cd "$work/elsewhere" &&
    xvfb-run -a -s "-screen 0 640x480x24" sh "$runner" \
        "$game" "$data/menuart/main_screen.bmp" "$work/screen.png") ||
    fail "the installed game did not show its menu or quit cleanly"

echo "== remove"
$dpkg --remove wavedart
while read -r file; do
    [ ! -e "$root/$file" ] || fail "$root/$file left behind"
done < "$work/files"
for folder in usr/share/wavedart usr/share/doc/wavedart; do
    [ ! -e "$root/$folder" ] || fail "$root/$folder left behind"
done
echo "test-dist: all checks passed"
