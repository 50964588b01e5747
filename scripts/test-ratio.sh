#!/usr/bin/env bash
# Prints the non-blank lines of .cpp and .h files under tests/ against those under src/ and
# tools/, and their ratio. Benchmarks (bench/) and fuzz seeds (not C++) are not counted.
set -euo pipefail
cd "$(dirname "$0")/.."

lines() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -cv '^\s*$'
}

tests=$(lines tests)
code=$(lines src tools)
echo "tests: $tests lines"
echo "code:  $code lines"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio: %.1f %% (rule: 25-33 %%)\n", 100 * t / c }'
