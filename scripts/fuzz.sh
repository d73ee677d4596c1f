#!/bin/sh
# Builds the libFuzzer targets of the BMP, WAVE and palette loaders, of the
# profile's scores and settings readers and of the replay reader with clang
# and runs each in turn for SECONDS (default 600), seeded with the generated
# data files, the sample files of fuzz/seeds/ and the demos. New inputs stay
# in build/fuzz/corpus/<target>, so a later run goes on from them; an input
# that crashes is written to build/fuzz/crashes/ and the script fails. Each
# target's output is in build/fuzz/<target>.log.
# Usage: fuzz.sh [SECONDS]
set -eu

seconds="${1:-600}"
build=build/fuzz
data="$build/data"

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWAVEDART_FUZZ=ON -DWAVEDART_TESTS=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target assets fuzz_bitmap fuzz_wave fuzz_palette \
    fuzz_scores fuzz_settings fuzz_demo >/dev/null

seed() {
    target="$1"
    shift
    mkdir -p "$build/seeds/$target" "$build/corpus/$target"
    cp "$@" "$build/seeds/$target/"
}
seed bitmap "$data"/art/*.bmp "$data"/menuart/*.bmp
seed wave "$data"/sounds/*.wav
seed palette "$data/PALDATA2.PAL"
seed scores fuzz/seeds/scores/*
seed settings fuzz/seeds/settings/*
seed demo tests/demos/*.demo "$data/replays/attract.demo"
mkdir -p "$build/crashes"

status=0
for target in bitmap wave palette scores settings demo; do
    log="$build/fuzz_$target.log"
    failed=0
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target-" \
        "$build/corpus/$target" "$build/seeds/$target" >"$log" 2>&1; then
        result="no crash"
    else
        result="FAILED, see $log"
        failed=1
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9a-zA-Z]+' || true)
    echo "fuzz_$target: ${seconds} s, ${runs:-?} runs, ${coverage:-no coverage line}: $result"
    [ $failed -eq 0 ] || tail -n 30 "$log"
done
exit $status
