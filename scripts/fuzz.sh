#!/usr/bin/env bash
# Every fuzz target for FUZZ_SECONDS seconds (default 60) on a kept corpus:
# build-fuzz/corpus/NAME starts from the seeds in fuzz/corpus/NAME and keeps what each
# run finds for the next one. Crashes land in build-fuzz/artifacts/NAME/. Prints each
# target's executions and executions per second. The build is optimised (unlike the
# sanitizer test build), with ASan and UBSan, as fuzzing wants it fast.
#   make fuzz FUZZ_SECONDS=600      FUZZ_TARGETS="scenario_reader run" to pick some
set -euo pipefail
cd "$(dirname "$0")/.."

DIR=build-fuzz
SECONDS_EACH=${FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFINPLAN_GUI=OFF -DFINPLAN_BENCH=OFF -DFINPLAN_SANITIZE=ON -DFINPLAN_FUZZ=ON >/dev/null
targets=${FUZZ_TARGETS:-$(sed -n 's/^finplan_fuzz_target(\([a-z_]*\).*/\1/p; s/^foreach(name \(.*\))/\1/p' fuzz/CMakeLists.txt | tr '\n' ' ')}
for name in $targets; do
    cmake --build "$DIR" -j"${JOBS:-2}" --target "fuzz_$name" >/dev/null
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for name in $targets; do
    kept=$DIR/corpus/$name
    mkdir -p "$kept" "$DIR/artifacts/$name"
    log=$DIR/fuzz-$name.log
    if ! "$DIR/fuzz/fuzz_$name" -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
        -artifact_prefix="$DIR/artifacts/$name/" "$kept" "fuzz/corpus/$name" >"$log" 2>&1; then
        echo "fuzz_$name FOUND A FAULT:"
        tail -40 "$log"
        status=1
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    printf '%-24s %12s executions %8s exec/s  corpus %s files\n' "fuzz_$name" "$runs" "$speed" \
        "$(find "$kept" -type f | wc -l)"
done
exit $status
