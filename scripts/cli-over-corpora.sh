#!/usr/bin/env bash
# Runs `finplan` info, describe, run (plain, details with accounts, random groups),
# accounts and graph over every file of the fuzz corpora and fails on any sanitizer
# report or unexpected exit. Used by the sanitizer run:  cli-over-corpora.sh FINPLAN
set -uo pipefail
cd "$(dirname "$0")/.."
finplan=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commands=(
    "info"
    "describe"
    "run"
    "run --details --accounts"
    "run --random groups --seed 7"
    "accounts"
    "graph --kind networth --svg $work/g.svg"
    "graph --kind summary --pies --svg $work/g.svg"
    "graph --kind accounts --style 3d --svg $work/g.svg"
)
failed=0
count=0
for file in fuzz/corpus/*/*; do
    path=$(realpath "$file")
    for c in "${commands[@]}"; do
        read -r cmd rest <<<"$c"
        # shellcheck disable=SC2086
        (cd "$work" && timeout 120 "$finplan" $cmd "$path" $rest >/dev/null 2>"$work/err")
        rc=$?
        count=$((count + 1))
        if [ $rc -gt 1 ] || grep -qE 'runtime error|Sanitizer' "$work/err"; then
            echo "finplan $cmd $file $rest: exit $rc"
            tail -20 "$work/err"
            failed=1
        fi
    done
done
echo "finplan over the fuzz corpora: $count commands, $([ $failed = 0 ] && echo clean || echo FAULTS)"
exit $failed
