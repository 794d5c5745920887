#!/usr/bin/env bash
# The amount checkpoints trust RunState's flag: every change of a running total or a
# tally goes through RunState::add, subtract or set, never a plain += or -= (which the
# flag would not see, so a total beyond the largest amount could slip past).
set -uo pipefail
cd "$(dirname "$0")/../.."
totals='investmentTotal|taxFreeTotal|retirementTotal|equityTotal|assetTotal|liabilities'
totals+='|mortgagePrincipalThisYear|startNetWorth'
pattern="\\b($totals)[[:space:]]*(\\+=|-=|\\*=|/=)"            # a total changed in place
pattern+="|\\btallies\\.[a-zA-Z]+[[:space:]]*(\\+=|-=|\\*=|/=)" # a tally changed in place
pattern+="|\\bt\\.[a-zA-Z]+[[:space:]]*(\\+=|-=|\\*=|/=)"      # the same through `t`
pattern+="|\\*(total|st\\.typeTotal\\([^)]*\\))[[:space:]]*(\\+=|-=)" # through a pointer
if grep -rnE "$pattern" --include='*.cpp' --include='*.h' engine; then
    echo "FAIL: a running total or tally changed without RunState::add, subtract or set"
    exit 1
fi
echo "total writes check: every total and tally change goes through RunState"
