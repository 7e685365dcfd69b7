#!/usr/bin/env bash
# Builds the core's fuzz targets with clang, under AddressSanitizer and UndefinedBehaviorSanitizer,
# into build-fuzz/, and runs each for a fixed number of runs from its seed corpus.
#   scripts/fuzz.sh [runs]    (default 200000 runs a target)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=${1:-200000}
build="$root/build-fuzz"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzzing: clang++ is not installed, so the fuzz targets are not built or run"
    exit 0
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKX_BUILD_PROGRAM=OFF -DKX_BUILD_TESTS=OFF -DKX_BUILD_BENCHMARK=OFF -DKX_BUILD_FUZZERS=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" >/dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
for target in fuzz_separator_cleanup; do
    corpus=$(mktemp -d)
    cp "$root/tests/fuzz/corpus/$target/"* "$corpus/"
    if ! "$build/tests/fuzz/$target" -runs="$runs" -max_len=2048 "$corpus" >"$corpus.log" 2>&1; then
        cat "$corpus.log"
        echo "fuzzing: $target broke a property; the input is in the log above"
        exit 1
    fi
    echo "fuzzing: $target passed $runs runs ($(grep -o 'cov: [0-9]*' "$corpus.log" | tail -n 1))"
    rm -rf "$corpus" "$corpus.log"
done
