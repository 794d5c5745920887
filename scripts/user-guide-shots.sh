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
type_text() { xdotool type --delay 15 -- "$1"; }
# Types the fields of a dialog one after the other, Tab between them.
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

# 1. A new, empty scenario; no accounts from a tab file.
keys alt+f n
sleep 1
shot 01-new-read-accounts-question
keys Escape
main=$(window "Financial Planner")

# 2. The groups the accounts belong to, with their random-rate bounds.
keys alt+e g
window "^Groups$" >/dev/null
fields Stocks -25 35 Bonds -6 12 "Real Estate" -12 15 Cash 0.5 4.5 Vehicles 0 0
shot 02-groups
keys Return
main=$(window "Financial Planner")

# 3. The accounts, in the Accounts folder, each through Add. A type or a group is
#    chosen by typing its first letter in its box.
account() { # name type amount rate min max order group penalty
    keys alt+a
    window "^Account Information$" >/dev/null
    type_text "$1"
    keys Tab
    type_text "$2"
    keys Tab
    fields "$3" "$4" "$5" "$6" "$7"
    keys Tab
    type_text "$8"
    if [ "$9" = yes ]; then keys Tab space; fi
}
account "Joint Brokerage" I 85000 7 -20 28 2 S no
shot 03-account-information
keys Return
window "Financial Planner" >/dev/null
account "Emergency Fund" I 25000 3.5 0.5 4.5 1 C no
keys Return
account "Roth IRA - Pat" T 48000 7.5 -22 30 5 S yes
keys Return
account "Roth IRA - Sam" T 36000 6 -8 14 6 B yes
keys Return
account "401(k) - Pat" Re 310000 7 -20 28 3 S yes
keys Return
account "IRA - Sam" Re 145000 5.5 -6 12 4 B yes
keys Return
account "Rental Condo" E 180000 3.5 -10 12 7 Re no
keys Return
account "Cars" A 30000 -15 -20 -10 " " V no
keys Return
main=$(window "Financial Planner")
shot 04-accounts-folder

echo "pictures in $shots, plan in $work"
