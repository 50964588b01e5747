#!/usr/bin/env bash
# Line and branch coverage of src/ and tools/ by the plain test run, in a build directory of
# its own (default build-coverage). Needs gcovr (apt-get install gcovr).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-coverage}

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$dir"
find "$dir" -name '*.gcda' -delete
# Some tests run the programs as another user, who must be able to write their counts too.
chmod -R a+rwX "$dir"
(umask 000 && ctest --test-dir "$dir" --output-on-failure >"$dir/ctest.log") || { tail -30 "$dir/ctest.log"; exit 1; }
tail -3 "$dir/ctest.log"
gcovr --root . --object-directory "$dir" --filter 'src/' --filter 'tools/' \
    --gcov-exclude '.*CompilerId.*' --exclude-unreachable-branches --exclude-throw-branches --print-summary \
    --txt "$dir/coverage.txt" | tail -3
