#!/usr/bin/env bash
# Account types, event kinds, event states and graph kinds are named with their enums
# (model/records.h, graphs/graph_state.h): no bare number compared with, assigned to or
# switched on those fields in the engine, results, graphs or shell.
set -uo pipefail
cd "$(dirname "$0")/../.."
pattern='((\.|->)(type|kind|eventState|graphKind|previousKind)[[:space:]]*(==|!=|<=|>=|<|>|=)[[:space:]]*-?[0-9])'
pattern+='|switch[[:space:]]*\([^)]*(\.|->)(type|eventState)\)|switch[[:space:]]*\((e|event)\.kind\)'
pattern+='|kKind[A-Z]|EventKindCode'
if grep -rnE "$pattern" --include='*.cpp' --include='*.h' engine results graphs shell; then
    echo "FAIL: a bare account type, event kind, event state or graph kind (use the enums)"
    exit 1
fi
echo "vocabulary check: no bare kind numbers"
