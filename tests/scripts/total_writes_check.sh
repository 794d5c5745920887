#!/usr/bin/env bash
# The amount checkpoints trust RunState's flags: every change of a running total or a
# tally goes through RunState::add, subtract or set, every change of an account balance
# through addToBalance, subtractFromBalance or setBalance and every change of an
# event's amounts through addToEventAmount or setEventAmount (or is held by ctx.held,
# or clears it to 0), never a plain assignment the flags would not see, so an amount
# beyond the largest could slip past.
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
balance="(\\.|->)balance[[:space:]]*(\\+=|-=|\\*=|/=|=[^=])"
if grep -rnE "$balance" --include='*.cpp' --include='*.h' engine | grep -v "= ctx\\.held("; then
    echo "FAIL: a balance changed without RunState::addToBalance, subtractFromBalance or setBalance"
    exit 1
fi
amounts="\\b(assetValue|principalPaid|interestPaidTotal|monthlyPayment)"
amounts+="[[:space:]]*(\\+=|-=|\\*=|/=|=[^=])"
if grep -rnE "$amounts" --include='*.cpp' --include='*.h' engine | grep -vE "= (ctx\\.held\\(|0;)"; then
    echo "FAIL: an event's amount changed without RunState::addToEventAmount or setEventAmount"
    exit 1
fi
echo "total writes check: every total, tally, balance and event amount change goes through RunState"
