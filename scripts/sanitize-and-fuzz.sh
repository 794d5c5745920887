#!/usr/bin/env bash
# The core and its tests under ASan + UBSan (clang), then every fuzz target for a few
# seconds on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

DIR=build-asan
CC=clang CXX=clang++ cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=Debug \
    -DFINPLAN_GUI=OFF -DFINPLAN_BENCH=OFF -DFINPLAN_SANITIZE=ON -DFINPLAN_FUZZ=ON >/dev/null
cmake --build "$DIR" -j"${JOBS:-2}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$DIR" && ctest --output-on-failure -j"${JOBS:-2}")

# The command-line runner over every file of the fuzz corpora, damaged ones included:
# whatever a file holds, no command may draw a sanitizer report (a refused file exits 1).
export UBSAN_OPTIONS=$UBSAN_OPTIONS:exitcode=99
bash scripts/cli-over-corpora.sh "$DIR/finplan"

shopt -s nullglob
for target in "$DIR"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    work=$(mktemp -d)
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/ 2>/dev/null || true
    echo "fuzzing $name"
    (cd "$work" && "$OLDPWD/$target" -max_total_time="${FUZZ_SECONDS:-8}" -print_final_stats=0 . >fuzz.log 2>&1) || {
        tail -40 "$work/fuzz.log"; exit 1; }
    rm -rf "$work"
done
echo "sanitizer build and fuzzing: all clean"
