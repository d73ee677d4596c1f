#!/bin/sh
# On a virtual display: starts the game, compares the screen with the main
# menu picture, presses Escape and expects the game to end with status 0.
# Usage: run-installed.sh GAME MENU_PICTURE SCREENSHOT
set -eu
game=$1
menu=$2
shot=$3

"$game" &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Wavedart$' | head -1)
# The menu fades in; give it time to settle.
sleep 3
import -window root "$shot"
# compare prints how many pixels differ; a fraction of a percent is allowed
# for the colour depth of the display.
differ=$(compare -metric AE -fuzz 2% "$shot" "$menu" null: 2>&1) || true
echo "pixels unlike the main menu: $differ"
xdotool windowfocus --sync "$window"
# The game reads the keyboard once a frame, so the key stays down a while.
xdotool keydown Escape
sleep 0.3
xdotool keyup Escape
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the game did not quit on Escape" >&2
    kill "$pid"
    exit 1
fi
status=0
wait "$pid" || status=$?
echo "exit status: $status"
[ "$status" -eq 0 ] && [ "$differ" -lt 3072 ]
