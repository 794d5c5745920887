#!/usr/bin/env bash
# Fails when a tracked C++ source is not formatted by the repository's .clang-format.
# Usage: check-format.sh [FILE...]   (default: every tracked .cpp and .h)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
clang-format --dry-run -Werror "${files[@]}"
echo "format check: ${#files[@]} files formatted"
