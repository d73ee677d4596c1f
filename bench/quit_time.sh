#!/bin/sh
# Times the game's end after its quit fade under Xvfb, with the sound SDL
# finds on this machine and with SDL's dummy sound driver: bench_quit_sdl's
# own figures, and the time from the fade's end to the process's exit.
# Usage: sh bench/quit_time.sh [runs] [build folder, default build/test]
set -eu

runs=${1:-5}
build=${2:-build/test}
bench="$(cd "$build" && pwd)/bench/bench_quit_sdl"
data="$(cd "$build" && pwd)/data"

for audio in machine dummy; do
    echo "sound: $audio"
    i=0
    while [ "$i" -lt "$runs" ]; do
        i=$((i + 1))
        line=$(if [ "$audio" = dummy ]; then export SDL_AUDIODRIVER=dummy; fi
               xvfb-run -a sh -c '"$1" "$2" 2>/dev/null; echo "exit $(date +%s%N)"' sh "$bench" "$data")
        figures=$(echo "$line" | grep '^fade ')
        fade_end=${figures##* }
        exited=$(echo "$line" | grep '^exit ' | cut -d' ' -f2)
        echo "  ${figures%; fade end*}; fade end to exit $(((exited - fade_end) / 1000000)) ms"
    done
done
