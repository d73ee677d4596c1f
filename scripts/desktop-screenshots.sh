#!/bin/sh
# Takes the README's desktop screenshots on a virtual X display: the game in
# a resized window (the picture doubled, black bars around it) and play
# paused after the window lost the focus.
# Usage: desktop-screenshots.sh [path/to/wavedart] [output folder]
# Needs xvfb-run, xdotool, xwininfo and ImageMagick's import.
set -eu

game="$(realpath "${1:-build/release/wavedart}")"
out="$(realpath "${2:-docs}")"

if [ -z "${WAVEDART_IN_XVFB:-}" ]; then
    WAVEDART_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$game" "$out"
fi

press() {
    xdotool keydown "$1"
    sleep 0.15
    xdotool keyup "$1"
    sleep 0.3
}

"$game" 2>/dev/null &
pid=$!
window=$(xdotool search --sync --name '^Wavedart$' | head -1)
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window"
sleep 0.5
press n
press m
# Hover and fire for a moment, so that missiles are on their way.
xdotool keydown space
sleep 1.7
xdotool keyup space

# Without a window manager nothing raises or decorates the window, so the
# focus goes to the root window to take it away from the game.
xdotool windowfocus "$(xwininfo -root | awk '/Window id/ {print $4}')"
sleep 1
import -window "$window" "$out/paused.png"

xdotool windowfocus --sync "$window"
sleep 0.5
press p
xdotool windowsize --sync "$window" 1500 1000
sleep 0.5
import -window "$window" "$out/window_resized.png"

kill "$pid"
wait "$pid"
