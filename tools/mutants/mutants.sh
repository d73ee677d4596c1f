#!/bin/bash
# Applies each mutant of a fixed list to a copy of the source, rebuilds the
# test build, runs the tests and counts the mutants the tests kill. The copy
# keeps the working tree clean even if a run is interrupted.
set -euo pipefail

usage() {
    cat <<'TEXT'
Usage: mutants.sh [--src DIR] [--rev REV] [--work DIR] [--list FILE] [--only N[,N-M...]]
                  [--jobs N] [--timeout SECONDS] [--check]
  --src DIR      the source tree to mutate (default: the tree this script is in)
  --rev REV      take this git revision of --src instead of its working files
  --work DIR     where the copy and its build go (default: SRC/build/mutants)
  --list FILE    the mutants (default: mutants.txt beside this script)
  --only LIST    run only these mutants, by number: 3 or 1,4-6
  --jobs N       parallel build and test jobs (default: nproc)
  --timeout S    seconds one test may take before it counts as failed (default: 300)
  --check        only check that every mutant's line stands once in its file
TEXT
}

here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
rev=""
work=""
list="$here/mutants.txt"
only=""
jobs=$(nproc)
timeout=300
check=0

while [ $# -gt 0 ]; do
    case "$1" in
        --src) src=$(cd "$2" && pwd); shift 2 ;;
        --rev) rev="$2"; shift 2 ;;
        --work) work="$2"; shift 2 ;;
        --list) list="$2"; shift 2 ;;
        --only) only="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        --timeout) timeout="$2"; shift 2 ;;
        --check) check=1; shift ;;
        -h|--help) usage; exit 0 ;;
        *) usage >&2; exit 2 ;;
    esac
done
[ -n "$work" ] || work="$src/build/mutants"
mkdir -p "$work"
work=$(cd "$work" && pwd)
copy="$work/src"
build="$work/build"

die() {
    echo "mutants: $*" >&2
    exit 2
}

# The list: blocks of "@ file", "- line", "+ line"; the line to replace is
# named by its text (leading and trailing blanks aside), so edits elsewhere in
# the file do not move it.
files=() olds=() news=()
parse_list() {
    local line file="" old="" number=0
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        case "$line" in
            '@ '*) file="${line#@ }"; old="" ;;
            '- '*) old="${line#- }" ;;
            '+ '*|'+')
                [ -n "$file" ] && [ -n "$old" ] || die "$list:$number: '+' without '@' and '-' before it"
                files+=("$file") olds+=("$old") news+=("${line#+}")
                old="" ;;
            ''|'#'*) ;;
            *) die "$list:$number: not a mutant line: $line" ;;
        esac
    done < "$list"
    [ ${#files[@]} -gt 0 ] || die "$list has no mutants"
}

# Line numbers in FILE whose text, trimmed, is exactly TEXT.
find_line() {
    OLD="$2" awk '
        { t = $0; sub(/^[ \t]+/, "", t); sub(/[ \t\r]+$/, "", t) }
        t == ENVIRON["OLD"] { print NR }' "$1"
}

# Replaces line NUMBER of FILE by TEXT (trimmed), keeping its indentation.
replace_line() {
    NEW="$3" awk -v n="$2" '
        NR == n { match($0, /^[ \t]*/); t = ENVIRON["NEW"]; sub(/^[ \t]+/, "", t)
                  print substr($0, 1, RLENGTH) t; next }
        { print }' "$1" > "$1.mutant"
    mv "$1.mutant" "$1"
}

selected() {
    local i=$1 part
    [ -z "$only" ] && return 0
    IFS=, read -ra parts <<< "$only"
    for part in "${parts[@]}"; do
        case "$part" in
            *-*) [ "$i" -ge "${part%-*}" ] && [ "$i" -le "${part#*-}" ] && return 0 ;;
            *) [ "$i" -eq "$part" ] && return 0 ;;
        esac
    done
    return 1
}

# Brings the copy up to the source, rewriting only files that differ so that
# the build stays incremental from one run to the next.
refresh_copy() {
    local stage="$work/stage" f
    rm -rf "$stage"
    mkdir -p "$stage" "$copy"
    if [ -n "$rev" ]; then
        git -C "$src" archive "$rev" | tar -xf - -C "$stage"
    elif git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
        (cd "$src" && git ls-files -z --cached --others --exclude-standard |
            while IFS= read -r -d '' f; do [ -f "$f" ] && printf '%s\0' "$f"; done |
            tar --null -T - -cf -) | tar -xf - -C "$stage"
    else
        (cd "$src" && tar --exclude=./build -cf - .) | tar -xf - -C "$stage"
    fi
    (cd "$stage" && find . -type f -print0) | while IFS= read -r -d '' f; do
        if ! cmp -s "$stage/$f" "$copy/$f"; then
            mkdir -p "$(dirname "$copy/$f")"
            cp "$stage/$f" "$copy/$f"
        fi
    done
    (cd "$copy" && find . -type f -print0) | while IFS= read -r -d '' f; do
        [ -e "$stage/$f" ] || rm -f "$copy/$f"
    done
    rm -rf "$stage"
}

build_tests() {
    cmake --build "$build" -j "$jobs" > "$work/build.log" 2>&1
}

# The long runs (label "long") last, so that a mutant the quick tests kill
# does not wait for them.
run_tests() {
    ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" --stop-on-failure -LE long \
        > "$work/test.log" 2>&1 &&
        ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" --stop-on-failure -L long \
            >> "$work/test.log" 2>&1
}

parse_list
total=${#files[@]}
refresh_copy

# Every mutant's line must be found exactly once before anything is built.
bad=0
lines=()
for ((i = 0; i < total; i++)); do
    path="$copy/${files[i]}"
    if [ ! -f "$path" ]; then
        echo "mutants: #$((i + 1)) ${files[i]}: no such file" >&2
        bad=1; lines+=(0); continue
    fi
    found=$(find_line "$path" "${olds[i]}" | tr '\n' ' ')
    count=$(wc -w <<< "$found")
    if [ "$count" -ne 1 ]; then
        echo "mutants: #$((i + 1)) ${files[i]}: line found $count times, not once: ${olds[i]}" >&2
        bad=1; lines+=(0); continue
    fi
    lines+=("${found% }")
done
[ "$bad" -eq 0 ] || die "fix the list: every mutant's line must stand exactly once in its file"
if [ "$check" -eq 1 ]; then
    echo "mutants: all $total lines stand once in their files"
    exit 0
fi

# The test build, but warnings do not stop a mutant that only warns.
cmake -S "$copy" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWAVEDART_WERROR=OFF \
    > "$work/configure.log" 2>&1 || die "configure failed, see $work/configure.log"
echo "mutants: building the unmutated copy in $build"
build_tests || die "the unmutated copy does not build, see $work/build.log"
started=$SECONDS
run_tests || die "the unmutated copy fails its tests, see $work/test.log"
echo "mutants: the unmutated copy passes its tests in $((SECONDS - started)) s"

mutated=""
restore() {
    if [ -n "$mutated" ]; then
        cp "$work/original" "$copy/$mutated"
        mutated=""
    fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

killed=0 ran=0 survivors=()
for ((i = 0; i < total; i++)); do
    n=$((i + 1))
    selected "$n" || continue
    ran=$((ran + 1))
    file=${files[i]}
    cp "$copy/$file" "$work/original"
    mutated=$file
    replace_line "$copy/$file" "${lines[i]}" "${news[i]}"
    label="#$n $file:${lines[i]}: ${olds[i]}  ->  ${news[i]# }"
    started=$SECONDS
    if ! build_tests; then
        killed=$((killed + 1))
        verdict="killed (does not build)"
    elif ! run_tests; then
        killed=$((killed + 1))
        verdict="killed"
    else
        survivors+=("$label")
        verdict="SURVIVED"
    fi
    restore
    echo "$verdict $label  [$((SECONDS - started)) s]"
done

echo "mutants: killed $killed/$ran"
if [ ${#survivors[@]} -gt 0 ]; then
    echo "survivors:"
    printf '  %s\n' "${survivors[@]}"
fi
