#!/bin/sh
# The frame period in play and the fade's length on a virtual X display,
# quiet and beside busy processes, with vsync as the game has it, off, and
# forced to SDL's 60 Hz stand-in (see bench_video_sdl.h; SDL_RENDER_VSYNC=1
# in the environment forces it in builds that have no vsync choice). Given
# several build folders, it runs each configuration in all of them in turn,
# so that builds compared meet the same load.
#
# Usage: sh bench/timing_sdl.sh [build folder...]   (default: build/test)
set -eu

[ $# -gt 0 ] || set -- build/test
SECONDS_OF_PLAY="${SECONDS_OF_PLAY:-15}"
FADES="${FADES:-10}"

run() {
    SDL_RENDER_VSYNC=$([ "$vsync" = 2 ] && echo 1 || echo) SDL_VIDEODRIVER=x11 xvfb-run -a -s "-screen 0 1280x1024x24" "$@" 2>/dev/null
}

for busy in 0 2; do
    for vsync in 1 0 2; do
        for build in "$@"; do
            echo "== $build: $busy busy processes, vsync choice $vsync," \
                "load average $(cut -d' ' -f1 /proc/loadavg)"
            run "$build/bench/bench_fade_sdl" "$FADES" "$busy" "$vsync" | grep -E "^video|fades"
            run "$build/bench/bench_play_cpu_sdl" "$SECONDS_OF_PLAY" "" "$busy" "$vsync" |
                grep -E "period|close request"
        done
    done
done
