#!/usr/bin/env bash
# Golden-output test of the command-line runner: every case's exit code, standard
# output, standard error and the files it wrote, compared byte for byte with
# tests/app/golden/CASE.txt. Only the clock's "Time:" and "Date:" lines are left out
# (in the graph images their text is blanked).
# The generated scenarios are rebuilt from their recipe (make_scenario SEED
# MAX_ACCOUNTS MAX_EVENTS) and must match the stored copies in golden/scenarios/.
#
#   golden_outputs.sh FINPLAN MAKE_SCENARIO WORKDIR [--update]
# --update rewrites the stored scenarios and golden files from the given build: use
# it only for an intended change of output, and say so in the commit.
set -uo pipefail
finplan=$(realpath "$1")
make_scenario=$(realpath "$2")
work=$3
update=${4:-}
golden=$(cd "$(dirname "$0")" && pwd)/golden

# name seed max-accounts max-events
recipes=(
    "gen-1 1 8 12"
    "gen-2 2 8 12"
    "gen-9 9 8 12"
    "gen-11 11 8 12"
    "gen-20 20 20 30"
)

rm -rf "$work"
mkdir -p "$work/in" "$work/cases" "$work/out"
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cp "$(dirname "$0")/../../examples/example.ret" "$work/in/example.ret"
for recipe in "${recipes[@]}"; do
    read -r name seed accounts events <<<"$recipe"
    "$make_scenario" "$seed" "$accounts" "$events" "$work/in/$name.ret" || fail "make_scenario $recipe"
    if [ "$update" = --update ]; then
        cp "$work/in/$name.ret" "$golden/scenarios/$name.ret"
    elif ! cmp -s "$work/in/$name.ret" "$golden/scenarios/$name.ret"; then
        fail "$name.ret no longer matches its recipe ($recipe): the generator or the scenario writer changed"
    fi
done

# check CASE ARGS...: runs finplan ARGS in a fresh directory (inputs are ../../in/NAME)
# and compares the transcript with golden/CASE.txt.
check() {
    local name=$1
    shift
    local dir="$work/cases/$name" out="$work/out/$name.txt"
    mkdir -p "$dir"
    (cd "$dir" && "$finplan" "$@" >"$work/out/$name.stdout" 2>"$work/out/$name.stderr")
    local rc=$?
    {
        echo "\$ finplan $*"
        echo "exit: $rc"
        echo "--- stdout"
        cat "$work/out/$name.stdout"
        echo "--- stderr"
        cat "$work/out/$name.stderr"
        local f
        for f in $(cd "$dir" && find . -type f | sort); do
            echo "--- file ${f#./}"
            cat "$dir/$f"
        done
    } | grep -av -e '^Time: ' -e '^Date: ' |
        sed -E 's#>(Date|Time): [^<]*</text>#>\1: (clock)</text>#g' >"$out"
    if [ "$update" = --update ]; then
        cp "$out" "$golden/$name.txt"
    elif ! cmp -s "$out" "$golden/$name.txt"; then
        fail "$name differs from golden/$name.txt"
        diff -a "$golden/$name.txt" "$out" | head -20
    fi
}

ex=../../in/example.ret
check run-plain run $ex
check run-details-accounts run $ex --details --accounts
check run-details run $ex --details
check run-random-accounts run $ex --random accounts --seed 7
check run-random-groups run $ex --random groups --seed 11 --details --accounts
check run-files run $ex --plot graphs.kvp --export balances.kve --out results.sch
check run-missing run ../../in/missing.ret
check describe describe $ex
check accounts accounts $ex
check accounts-ids accounts $ex --ids
check info info $ex
check graph-networth graph $ex --kind networth --svg g.svg
check graph-inout-bars graph $ex --kind inout --style bars --svg g.svg
check graph-incoming-3d graph $ex --kind incoming --style 3d --width 800 --height 500 --svg g.svg
check graph-outgoing graph $ex --kind outgoing --no-legend --svg g.svg
check graph-accounts graph $ex --kind accounts --legend-after --svg g.svg
check graph-groups graph $ex --kind groups --style bars --svg g.svg
check graph-summary graph $ex --kind summary --hover 2 --svg g.svg
check graph-summary-pies graph $ex --kind summary --pies --age 70 --printer --svg g.svg
check graph-pie graph $ex --kind pie --of incoming --age 66 --svg g.svg

check calc-mortgage-default calc mortgage
check calc-mortgage calc mortgage --amount 250000 --down 50000 --rate 6.5 --years 30
check calc-mortgage-refused calc mortgage --amount abc --rate 6.5 --years 30
check calc-refinance calc refinance --start-age 40 --amount 300000 --rate 7 --years 30 \
    --refi-age 45 --refi-amount 0 --refi-rate 5.5 --refi-years 30 --closing 4000 --points 1
check calc-refinance-included calc refinance --start-age 40 --amount 300000 --rate 7 \
    --years 30 --refi-age 45 --refi-amount 250000 --refi-rate 5 --refi-years 15 \
    --closing 4000 --include-closing --points 1.5 --include-points --tax-rate 22
check calc-accelerated calc accelerated --loan 200000 --years 30 --left 25 --rate 6 --extra 200
check calc-accelerated-rates calc accelerated --loan 150000 --years 15 --left 15 --rate 4.5 \
    --extra 100 --invest-rate 7 --tax-rate 25 --inflation 2
check calc-schedule calc schedule $ex --event 1
check calc-schedule-not-mortgage calc schedule $ex --event 0
check calc-inflation calc inflation --start 45 --end 65 --amount 1000 --rate 3
check calc-investment calc investment --amount 10000 --years 20 --return 7 --tax 25 --inflation 3
check calc-tradeoff calc tradeoff --option "Buy,20000,100,0,0" "Lease,2000,350,0,0" \
    "Keep,0,150,0,50" --periods 36 --use-tax-rate 22 --graph-file trade.kvt

for recipe in "${recipes[@]}"; do
    read -r name _ <<<"$recipe"
    s=../../in/$name.ret
    check "$name-run" run $s
    check "$name-run-details-accounts" run $s --details --accounts
    check "$name-run-random" run $s --random groups --seed 3 --plot graphs.kvp --export x.kve
    check "$name-describe" describe $s
    check "$name-accounts" accounts $s --ids
    check "$name-info" info $s
    check "$name-graph-networth" graph $s --kind networth --svg g.svg
done
check gen-9-graph-accounts graph ../../in/gen-9.ret --kind accounts --style 3d --svg g.svg
check gen-20-graph-summary graph ../../in/gen-20.ret --kind summary --pies --svg g.svg

if [ "$update" = --update ]; then
    echo "golden outputs written to $golden"
elif [ "$failures" -gt 0 ]; then
    echo "$failures golden output(s) differ"
    exit 1
else
    echo "golden outputs: all match"
fi
