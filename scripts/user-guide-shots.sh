#!/usr/bin/env bash
# Builds the bundled example's plan from File > New in the real planner, from the
# keyboard as a user would, and takes the pictures of the user guide on the way
# (docs/guide/*.png). Runs on a private X server: Xvfb, openbox, xdotool and
# ImageMagick's import must be installed.
#
#   scripts/user-guide-shots.sh [BUILD_DIR] [DISPLAY_NUMBER]
#
# The plan is saved as plan.ret in a scratch folder; the script then checks that
# `finplan run` gives the same schedule for it as for examples/example.ret.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
display=":${2:-13}"
shots="$top/docs/guide"
work=$(mktemp -d "${TMPDIR:-/tmp}/guide-XXXXXX")
mkdir -p "$shots"
export DISPLAY="$display"

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

cd "$work"
"$build/finplanner" >planner.log 2>&1 &
planner=$!
pids+=($planner)

# Waits for a window whose title matches, and makes it the active one.
window() {
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "no window '$1'" >&2; exit 1; }
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.3
    echo "$id"
}
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { [ -z "$1" ] || xdotool type --delay 15 -- "$1"; }
# Types the fields of a dialog one after the other, Tab between them; an empty text
# passes a field (or a checkbox) by.
fields() {
    local first=1
    for f in "$@"; do
        [ $first = 1 ] || keys Tab
        first=0
        type_text "$f"
    done
}
shot() { sleep 0.4; import -window "$(xdotool getactivewindow)" "$shots/$1.png"; }
main=$(window "Financial Planner")
xdotool windowsize "$main" 1000 680
sleep 0.5

# 1. A new, empty scenario; no accounts from a tab file.
keys alt+f n
sleep 1
shot 01-new-read-accounts-question
keys Escape
main=$(window "Financial Planner")

# 2. Ages and rates: start and end age, birthday, tax and inflation, the penalty.
keys alt+e i
window "^Initial Data$" >/dev/null
fields 45 90 4 12 "" 22 3 59 10
shot 02-initial-values
keys Return
main=$(window "Financial Planner")

# 3. The groups the accounts belong to, with their random-rate bounds.
keys alt+e g
window "^Groups$" >/dev/null
fields Stocks -25 35 Bonds -6 12 "Real Estate" -12 15 Cash 0.5 4.5 Vehicles 0 0
shot 03-groups
keys Return
main=$(window "Financial Planner")

# 4. The accounts, in the Accounts folder, each through Add. A type or a group is
#    chosen by typing its first letter in its box.
account() { # name type amount rate min max order group penalty
    keys alt+a
    window "^Account Information$" >/dev/null
    fields "$1" "$2" "$3" "$4" "$5" "$6" "$7" "$8"
    if [ "$9" = yes ]; then keys Tab space; fi
}
account "Joint Brokerage" I 85000 7 -20 28 2 S no
shot 04-account-information
keys Return
window "Financial Planner" >/dev/null
account "Emergency Fund" I 25000 3.5 0.5 4.5 1 C no
keys Return
account "Roth IRA - Pat" T 48000 7.5 -22 30 5 S yes
keys Return
account "Roth IRA - Sam" T 36000 6 -8 14 6 B yes
keys Return
account "401(k) - Pat" R 310000 7 -20 28 3 S yes
keys Return
account "IRA - Sam" R 145000 5.5 -6 12 4 B yes
keys Return
account "Rental Condo" E 180000 3.5 -10 12 7 R no
keys Return
account "Cars" A 30000 -15 -20 -10 " " V no
keys Return
main=$(window "Financial Planner")
shot 05-accounts-folder

# 5. The events, each from Edit > Add Event To Scenario. An account is chosen by the
#    first letter of its name (the accounts are listed by name).
event() { # the kind's letter in the menu, the dialog's title
    keys alt+e a "$1"
    window "^$2\$" >/dev/null
}
event d Deposit
fields "401(k) contributions" 45 64 23000 2 4
keys Return
event m Mortgage
fields "Home purchase" 47 77 6.25 380000 4800 7500 76000 30 3 "" ""
keys space # "Apply inflation rate to taxes"
keys Return
event l Loan
fields "New car loan" 50 55 6.5 35000 5000 "" 5 C
keys Return
event w Withdrawal
fields "Living expenses" 65 90 72000 "" "" ""
keys space # "Apply inflation rate to withdrawal"
keys Tab space # "Use smart withdrawal"
keys Tab
type_text 50000
keys Return
event f Fundamentals
fields "Retirement rates" 65 18 2.5 J ""
keys space # "Press to change selected account's rate"
window "^Account Rate$" >/dev/null
type_text 5
keys Return
window "^Fundamentals$" >/dev/null
keys Return
event t Transfer
fields "Roth conversion" 66 70 20000 "" I ""
keys End # the last account by name: "Roth IRA - Sam"
keys Return
event d Deposit
fields "Social Security" 67 90 38000 "" J "" ""
keys space # "Apply inflation rate to deposits"
keys Tab space # "Tax deposit at current tax rate"
keys Return
main=$(window "Financial Planner")
shot 06-scenario-folder

# 6. The Results folder, one step right of the Scenario folder, runs the plan.
keys ctrl+Next
sleep 1
shot 07-results

# 7. Saved under a name of its own, then run from the command line beside the example.
keys alt+f a
window "Save Scenario With a New Name" >/dev/null
type_text "$work/plan.ret"
keys Return
main=$(window "plan.ret")
echo "pictures in $shots, plan in $work/plan.ret"
# The schedules' own file name, date and time lines aside.
schedule() { "$build/finplan" run "$1" | grep -Ev '^ *(File|Date|Time):'; }
schedule "$top/examples/example.ret" >example.sch
schedule plan.ret >plan.sch
if cmp -s example.sch plan.sch; then
    echo "finplan run gives the same schedule for the plan and the example"
else
    echo "the schedules differ:"
    diff example.sch plan.sch | head -20
    exit 1
fi
