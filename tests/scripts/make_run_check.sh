#!/usr/bin/env bash
# `make run` builds the programs it starts and none of the tests: its build step names
# the programs target, and that target depends on no test or benchmark.
# Usage: make_run_check.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
commands=$(make -n -C "$src" run BUILD_DIR="$build")
builds=$(grep -E '^cmake --build' <<<"$commands" || true)
if [ -z "$builds" ] || grep -qv -- '--target programs' <<<"$builds"; then
    echo "make run builds more than the programs:"
    echo "$builds"
    exit 1
fi
# The Makefile generator lists each target's direct dependencies.
deps=""
makefile2="$build/CMakeFiles/Makefile2"
if [ -f "$makefile2" ]; then
    deps=$(grep -E '^[^ ]*/programs\.dir/all: ' "$makefile2" | sed 's/.*: //')
    if [ -z "$deps" ]; then
        echo "no programs target in $build"
        exit 1
    fi
    if grep -Eq '(test|bench|fuzz)' <<<"$deps"; then
        echo "the programs target depends on tests:"
        echo "$deps"
        exit 1
    fi
fi
echo "make run builds: $(tr '\n' ' ' <<<"$deps")"
