#!/usr/bin/env bash
# Every relative link and picture in the README and docs/*.md names a file that exists
# (the user guide's pictures are made by scripts/user-guide-shots.sh).
set -uo pipefail
cd "$(dirname "$0")/../.."
missing=0
for doc in README.md docs/*.md; do
    dir=$(dirname "$doc")
    while IFS= read -r target; do
        case "$target" in http://* | https://* | mailto:* | '#'*) continue ;; esac
        path="${target%%#*}"
        if [ ! -e "$dir/$path" ]; then
            echo "$doc: missing $target"
            missing=1
        fi
    done < <(grep -o '\]([^)]*)' "$doc" | sed 's/^](\(.*\))$/\1/; s/ .*//')
done
[ $missing = 0 ] || { echo "FAIL: links that lead nowhere"; exit 1; }
echo "docs links check: every link resolves"
