#!/usr/bin/env bash
# No include runs up a layer. From the bottom: platform <- text <- model <- engine <-
# analysis, results, graphs, calculators <- shell/logic <- shell <- app; a folder
# includes its own layer and those below it, never one above.
set -uo pipefail
cd "$(dirname "$0")/../.."

layer() {
    case "$1" in
    platform) echo 0 ;;
    text) echo 1 ;;
    model) echo 2 ;;
    engine) echo 3 ;;
    analysis | results | graphs | calculators) echo 4 ;;
    shell/logic) echo 5 ;;
    shell) echo 6 ;;
    app) echo 7 ;;
    *) echo -1 ;;
    esac
}

folder() {
    case "$1" in
    shell/logic/*) echo shell/logic ;;
    *) echo "${1%%/*}" ;;
    esac
}

bad=0
while IFS= read -r file; do
    from=$(layer "$(folder "$file")")
    while IFS= read -r target; do
        to=$(layer "$(folder "$target")")
        if [ "$to" -gt "$from" ]; then
            echo "$file includes $target, a layer above it"
            bad=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find platform text model engine analysis results graphs calculators shell app \
    \( -name '*.cpp' -o -name '*.h' \) | sort)
[ $bad = 0 ] || { echo "FAIL: an include runs up a layer"; exit 1; }
echo "layer check: no include runs up a layer"
