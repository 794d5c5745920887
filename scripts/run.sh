#!/usr/bin/env bash
# Opens the planner on the bundled example; without a display, prints the example
# through the command-line runner instead.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
EXAMPLE=examples/example.ret

if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x "$BUILD/finplanner" ]; then
    # The planner keeps finance.dat, prefinf.dat and its plot file in the working
    # folder: use the build folder, where the help file is too. It opens the build's
    # copy of the example, so saving changes never rewrites the one in the sources.
    ROOT=$(pwd)
    cd "$BUILD"
    [ -f example.ret ] || cp "$ROOT/$EXAMPLE" example.ret
    exec ./finplanner example.ret
fi
exec "$BUILD/finplan" run "$EXAMPLE"
