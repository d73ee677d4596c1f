#!/bin/sh
# The Windows build's checks, under Wine on a virtual X display:
# - same game: replay.exe replays every regression demo in tests/demos to the
#   output, trace hash and trace lines that the Linux build gives;
# - same files: assetgen.exe draws, byte for byte, the files of the Linux build;
# - the game starts: wavedart.exe, unpacked from the zip and started from
#   another folder, shows the main menu as the Linux build shows it, takes N,
#   E, the arrows and Space into play, says in one line that it has no sound
#   and plays on, goes back to the main menu on Backspace and ends with
#   status 0 on Escape there;
# - settings kept: options changed on the Options screen are in the
#   profile's settings.txt when the game ends, and the next start shows them;
# - scores kept: a game that makes the table, its initials typed, is in the
#   profile's scores.txt at the next start, and its replay verifies;
# - same replays: wavedart.exe --verify checks the replays made on Linux (the
#   regression demos the game recorded and attract mode's) with the Linux
#   build's result line, also under a file name outside ASCII, and prints
#   --help and --version as on Linux;
# - self-contained: it needs only DLLs that ship with Windows;
# - sharp on scaled displays: its manifest declares it aware of each
#   monitor's scale, so that Windows does not stretch its window.
# Needs make windows first.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ -z "${WAVEDART_IN_XVFB:-}" ]; then
    WAVEDART_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 640x480x24" sh "$0"
fi

win="$root/build/windows"
out="$win/checks"
native="$root/build/host"
jobs="${JOBS:-2}"
unset WAVEDART_ACCEPT_DEMOS
rm -rf "$out"
mkdir -p "$out"
cmake --build "$native" -j "$jobs" --target wavedart assets >/dev/null

# Debian keeps wine64 out of PATH. The prefix is made once, with no Mono or
# Gecko, which the programs do not use.
wine=/usr/lib/wine/wine64
export WINEPREFIX="$root/build/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "test-windows: making the Wine prefix $WINEPREFIX"
    "$wine" wineboot -i >"$out/wineboot.log" 2>&1 </dev/null
    /usr/lib/wine/wineserver -w
fi
# Wine's server and services start here and stay for all the checks, away from
# the output of the programs checked, which would otherwise stay open in them.
/usr/lib/wine/wineserver -p
"$wine" wineboot >/dev/null 2>&1 </dev/null

passed=0
failed=0
ok() { echo "test-windows: ok: $*"; passed=$((passed + 1)); }
fail() { echo "test-windows: FAILED: $*"; failed=$((failed + 1)); }

for demo in tests/demos/*.demo; do
    name=$(basename "$demo" .demo)
    if cmake -DREPLAY="$wine;$win/tools/replay/replay.exe" -DDEMO="$root/$demo" \
        -DDATA_DIR="$win/data" -DOUT_DIR="$out" -P tests/demos/check_demo.cmake; then
        ok "demo $name replays as on Linux"
    else
        fail "demo $name"
    fi
done

"$wine" "$win/tools/assetgen/assetgen.exe" "$out/data" >/dev/null
# The replays in the data are copied, not drawn.
if diff -r -x replays "$win/data" "$out/data" >/dev/null; then
    ok "assetgen.exe draws the same files as on Linux"
else
    fail "assetgen.exe draws other files than on Linux: diff -r $win/data $out/data"
fi

# The game's own output, with Windows' line ends taken off; its status.
game_says() {
    said=0
    "$wine" "$win/wavedart.exe" "$@" >"$out/said.txt" 2>/dev/null </dev/null || said=$?
    tr -d '\r' <"$out/said.txt"
    return $said
}
for option in --help --version; do
    if [ "$(game_says $option)" = "$("$native/wavedart" $option)" ]; then
        ok "wavedart.exe $option prints what the Linux build prints"
    else
        fail "wavedart.exe $option"
    fi
done
status=0
"$wine" "$win/wavedart.exe" --no-such-option >/dev/null 2>&1 </dev/null || status=$?
if [ "$status" -eq 2 ]; then ok "an unknown option ends with status 2"; else fail "an unknown option ended with $status"; fi
mkdir -p "$out/replays"
cp tests/demos/recorded_*.demo "$win/data/replays/attract.demo" "$out/replays/"
cp tests/demos/recorded_game_medium.demo "$out/replays/répétition ü.demo"
for replay in "$out"/replays/*.demo; do
    name=$(basename "$replay")
    linux=$("$native/wavedart" --verify "$replay" 2>/dev/null)
    status=0
    windows=$(LC_ALL=C.UTF-8 game_says --verify "$replay") || status=$?
    if [ "$status" -eq 0 ] && [ -n "$windows" ] && [ "$windows" = "$linux" ]; then
        ok "wavedart.exe --verify $name: $windows"
    else
        fail "wavedart.exe --verify $name gave \"$windows\" (status $status), Linux \"$linux\""
    fi
done

windows_allowed=" advapi32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll \
setupapi.dll shell32.dll user32.dll version.dll winmm.dll "
foreign=""
for dll in $(x86_64-w64-mingw32-objdump -p "$win/wavedart.exe" | awk '/DLL Name:/ {print $3}'); do
    case "$windows_allowed" in
        *" $(echo "$dll" | tr 'A-Z' 'a-z') "*) ;;
        *) foreign="$foreign $dll" ;;
    esac
done
if [ -z "$foreign" ]; then ok "wavedart.exe needs only Windows' own DLLs"; else fail "wavedart.exe needs$foreign"; fi

# The manifest is resource 1 of type 24; windres prints it as rc text.
manifest=$(x86_64-w64-mingw32-windres -J coff -O rc -i "$win/wavedart.exe" | sed -n '/^1 24 /,/^END$/p')
case "$manifest" in
    *'>true/pm</dpiAware>'*'>PerMonitorV2, PerMonitor</dpiAwareness>'*)
        ok "wavedart.exe declares itself aware of each monitor's scale" ;;
    *) fail "wavedart.exe has no manifest declaring per-monitor DPI awareness" ;;
esac

# The screen is the game's size, so that the game fills it the same way in a
# window on Linux and full screen under Wine.
# xdotool's search ends in an X error when a window goes while it looks, as
# Wine's do while it starts: it looks again, for a minute at most.
game_window() {
    for look in $(seq 60); do
        xdotool search --name '^Wavedart$' 2>/dev/null | head -n 1 | grep . && return 0
        sleep 1
    done
    echo "test-windows: no window named Wavedart" >&2
    return 1
}
press() {
    xdotool keydown "$1"
    sleep "${2:-0.15}"
    xdotool keyup "$1"
    sleep 0.3
}
# Whether two pictures' brightness and spread agree within a tolerance.
alike() {
    echo "$1 $2" | awk -v t="$3" '{ d1 = $1 - $3; d2 = $2 - $4;
        exit !(d1 < t && -d1 < t && d2 < t && -d2 < t) }'
}
# The brightness and spread of the window's picture once it has changed from
# what they were (start-up under Wine takes seconds), kept in NAME.png.
shot_after() {
    for try in $(seq 40); do
        import -window "$1" "$out/$2.png"
        stats=$(identify -format '%[fx:mean] %[fx:standard_deviation]' "$out/$2.png")
        alike "$stats" "$3" 0.002 || break
        sleep 0.5
    done
    echo "$stats"
}

# The same, once the picture is like the one given; fails when it has not
# come after LOOKS half seconds (40 unless given).
shot_like() {
    for look in $(seq "${4:-40}"); do
        import -window "$1" "$out/$2.png"
        alike "$(identify -format '%[fx:mean] %[fx:standard_deviation]' "$out/$2.png")" "$3" 0.002 && return 0
        sleep 0.5
    done
    return 1
}
# Starts wavedart.exe from the output folder with ARGS, its messages added to
# LOG, and waits for its window's first picture, kept in SHOT.png: sets game
# (the process), window and shown (the picture's brightness and spread), and
# gives the window the keyboard.
start_game() {
    log=$1
    shot=$2
    shift 2
    (cd "$out" && timeout 240 "$wine" "$out/unpacked/wavedart.exe" "$@") 2>>"$log" &
    game=$!
    window=$(game_window)
    shown=$(shot_after "$window" "$shot" "0 0")
    xdotool windowfocus --sync "$window"
}

(cd "$out" && timeout 60 "$native/wavedart") 2>"$out/linux.log" &
linux=$!
linux_window=$(game_window)
linux_menu=$(shot_after "$linux_window" menu-linux "0 0")
kill "$linux"
wait "$linux" || true

mkdir "$out/unpacked"
(cd "$out/unpacked" && cmake -E tar xf "$win/wavedart-windows-x64.zip")
start_game "$out/windows.log" menu-windows
menu=$shown
echo "test-windows: main menu brightness and spread: Linux $linux_menu, Windows $menu"
if alike "$linux_menu" "$menu" 0.02; then
    ok "wavedart.exe shows the main menu"
else
    fail "wavedart.exe does not show the main menu (see $out/menu-*.png)"
fi

press n
difficulty=$(shot_after "$window" difficulty "$menu")
press e
press Up 1
press Left 0.3
press Right 0.3
press space
press space
play=$(shot_after "$window" play "$difficulty")
if ! alike "$menu" "$difficulty" 0.002 && ! alike "$difficulty" "$play" 0.002; then
    ok "N and E lead into play"
else
    fail "the keys did not lead into play (see $out/difficulty.png and $out/play.png)"
fi
# A craft that crashed just before is dying and takes no keys, and a press
# made during the pause after its crash is not seen at all: Backspace is
# pressed again until the main menu is back.
back=no
for presses in $(seq 8); do
    press BackSpace
    if shot_like "$window" menu-again "$menu" 6; then
        back=yes
        break
    fi
done
if [ "$back" = yes ]; then
    ok "Backspace leads from play back to the main menu (press $presses)"
else
    fail "Backspace did not lead back to the main menu (see $out/menu-again.png)"
fi
press Escape
status=0
wait "$game" || status=$?
if [ "$status" -eq 0 ]; then ok "Escape ends the game with status 0"; else fail "the game ended with status $status"; fi
# Wine's own sound drivers have their say on stderr too.
said=$(tr -d "\r" <"$out/windows.log" | grep "^wavedart:" || true)
case "$said" in
    "wavedart: no sound ("*"); playing on without it") ok "no sound device is said in one line" ;;
    *) fail "the game's messages were not the one line on sound: $said" ;;
esac

# The Options screen's rows as a picture, which shows every value, with the
# first row chosen as the screen opens.
profile="$out/profile"
start_game "$out/options.log" menu-options --profile "$profile"
press o
shot_after "$window" options-first "$menu" >/dev/null
press Left
press Down
press Down
press Down
press Return
# Each change is written at once. Opened again, the screen chooses its first
# row, as at the next start.
for try in $(seq 40); do
    case "$(tr -d '\r' <"$profile/settings.txt" 2>/dev/null)" in *"vsync = off"*) break ;; esac
    sleep 0.5
done
press BackSpace
shot_like "$window" menu-options-changed "$menu" || true
press o
shot_after "$window" options-changed "$menu" >/dev/null
press BackSpace
press Escape
wait "$game" || true
kept=$(tr -d '\r' <"$profile/settings.txt" 2>/dev/null || true)
case "$kept" in
    *"volume = 9"*"vsync = off"*) ok "the options changed are kept in settings.txt" ;;
    *) fail "settings.txt holds \"$kept\" after the volume and vsync were changed" ;;
esac
start_game "$out/options.log" menu-second --profile "$profile"
press o
shot_after "$window" options-second "$menu" >/dev/null
press BackSpace
press Escape
wait "$game" || true
differs() { compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1 | cut -d' ' -f1; }
if [ "$(differs options-changed options-second)" = 0 ] && [ "$(differs options-first options-second)" != 0 ]; then
    ok "a second start shows the options as they were changed"
else
    fail "a second start shows other options (see $out/options-*.png)"
fi

# A high score kept from one run to the next: a game on medium recorded on
# Linux, played as the player's own keys, makes the empty table; the
# initials are typed, the entry and its replay kept; a second start leaves
# them as they were, and the kept replay verifies to the score it made.
scores="$out/scores-profile"
WAVEDART_TEST_PLAY_AS_PLAYER="$root/tests/demos/recorded_game_medium.demo" \
    start_game "$out/scores.log" scores-start --profile "$scores"
asking=$(identify -format '%[fx:mean] %[fx:standard_deviation]' "$win/data/menuart/new_high_score_screen.bmp")
for try in $(seq 120); do
    import -window "$window" "$out/initials.png" 2>/dev/null || true
    alike "$(identify -format '%[fx:mean] %[fx:standard_deviation]' "$out/initials.png")" "$asking" 0.02 && break
    sleep 0.5
done
press w
press Up
press Up
press Up
press Return
press t
press Return
for try in $(seq 40); do
    grep -q '^medium WDT 300 ' "$scores/scores.txt" 2>/dev/null && break
    sleep 0.5
done
press BackSpace
press Escape
wait "$game" || true
entry=$(tr -d '\r' <"$scores/scores.txt" 2>/dev/null | grep '^medium WDT 300 ' || true)
start_game "$out/scores.log" menu-scores --profile "$scores"
press Escape
wait "$game" || true
replay="$scores/replays/${entry##* }"
if [ -n "$entry" ] && [ "$(tr -d '\r' <"$scores/scores.txt" | grep '^medium WDT 300 ')" = "$entry" ] &&
    [ -z "$(find "$scores" -name '*.bad-*')" ] && [ -f "$replay" ] &&
    "$wine" "$out/unpacked/wavedart.exe" --verify "$replay" >"$out/scores-verify.txt" 2>&1; then
    ok "a high score and its replay are kept for the next start, and the replay verifies"
else
    fail "the high score was not kept, or its replay did not verify (see $out/scores.log, $out/initials.png)"
fi

/usr/lib/wine/wineserver -k
echo "test-windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
