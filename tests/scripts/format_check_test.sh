#!/usr/bin/env bash
# The format check refuses a misformatted file, accepts a formatted one and accepts
# the tracked sources as they are.
#   format_check_test.sh WORKDIR
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work"
mkdir -p "$work"
# clang-format looks for the style beside the file and upwards.
cp "$root/.clang-format" "$work/"
printf 'int  main( ){return 0;}\n' >"$work/misformatted.cpp"
printf 'int main() {\n    return 0;\n}\n' >"$work/formatted.cpp"

status=0
if bash "$root/scripts/check-format.sh" "$work/misformatted.cpp" >/dev/null 2>&1; then
    echo "FAIL: the check passed a misformatted file"
    status=1
fi
if ! bash "$root/scripts/check-format.sh" "$work/formatted.cpp"; then
    echo "FAIL: the check refused a formatted file"
    status=1
fi
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    bash "$root/scripts/check-format.sh" || {
        echo "FAIL: the tracked sources are not formatted (clang-format -i them)"
        status=1
    }
fi
exit $status
