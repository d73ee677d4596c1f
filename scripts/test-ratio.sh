#!/bin/sh
# Non-blank, non-comment lines of C++ in tests/ against the code they test,
# to keep the tests in proportion as both grow.
set -eu
cd "$(dirname "$0")/.."

count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -exec cat {} + |
        awk '
            inblock { if (index($0, "*/")) inblock = 0; next }
            /^[ \t]*\/\*/ { if (!index($0, "*/")) inblock = 1; next }
            /^[ \t]*(\/\/.*)?\r?$/ { next }
            { n++ }
            END { print n + 0 }'
}

tests=$(count tests)
code=$(count app graphics input sound game platform profile added_screens high_scores options replays command_line session touch tools bench)
echo "tests $tests, code $code: $((100 * tests / code))%"
