#!/usr/bin/env bash
# Opens the planner on the bundled example; without a display, prints the example
# through the command-line runner instead.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
EXAMPLE=examples/example.ret

if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x "$BUILD/finplanner" ]; then
    exec "$BUILD/finplanner" "$EXAMPLE"
fi
if "$BUILD/finplan" --help 2>/dev/null | grep -q " run"; then
    exec "$BUILD/finplan" run "$EXAMPLE"
fi
exec "$BUILD/finplan" info "$EXAMPLE"
