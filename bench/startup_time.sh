#!/usr/bin/env bash
# Whole-process start-up of the desktop planner on the bundled example, from exec to
# the first painted window (--quit-after-paint), on the offscreen platform unless a
# display is wanted (STARTUP_PLATFORM=xcb). Prints every run and the median in ms.
#   bench/startup_time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-11}"
EXAMPLE="$ROOT/examples/example.ret"
[ -x "$BUILD/finplanner" ] || { echo "no $BUILD/finplanner; build it first" >&2; exit 1; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
export QT_QPA_PLATFORM="${STARTUP_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$WORK}"

# One warm-up run fills the file cache, as a user's second start would find it.
"$BUILD/finplanner" --quit-after-paint "$EXAMPLE" >/dev/null 2>&1

times=()
for _ in $(seq "$RUNS"); do
    start=$(date +%s%N)
    "$BUILD/finplanner" --quit-after-paint "$EXAMPLE" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$(( RUNS / 2 ))]}
echo "runs (ms): ${times[*]}"
echo "median start-up to painted window: ${median} ms (target < 300 ms)"
