#!/usr/bin/env bash
# Dialog controls are named through their dialog's enum (shell/logic/dialog_fields.h):
# no bare control-id number is handed to a field or button call, put in a table of
# typed texts, or compared with a control id in the shell's dialogs or their tests.
set -uo pipefail
cd "$(dirname "$0")/../.."
fields='text|field|toggle|choose|activate|widgetOf|hasField|addEdit|addReadOnly|addCheck'
fields+='|addCombo|addFlag|addAccountCombo|addDescription|check|checkAge|parse|refuse|passed|type'
buttons='press|click|pressButton|buttonOf|addButton|setButtons'
pattern="\\b($fields)\\([[:space:]]*[1-9][0-9]{2}[[:space:]]*[,)]" # a number as a field
pattern+="|\\b($buttons)\\([[:space:]]*[0-9]+[[:space:]]*[,)]"    # a number as a button
pattern+='|\b(typing|typeAndPress)\(.*,[[:space:]]*[0-9]+\)'   # a number as the button
pattern+='|\{[[:space:]]*[1-9][0-9]{2},[[:space:]]*"'          # {101, "typed text"}
pattern+='|\[[1-9][0-9]{2}\][[:space:]]*='                      # texts[101] = ...
pattern+='|\b(id|button|[a-z]*Id|refused[A-Za-z]*)[[:space:]]*(==|!=|=)[[:space:]]*[1-9][0-9]{2}\b'
if grep -rnE "$pattern" --include='*.cpp' --include='*.h' shell tests/shell |
    grep -v '^shell/logic/dialog_fields\.h:'; then
    echo "FAIL: a bare control id (name it with its dialog's enum in shell/logic/dialog_fields.h)"
    exit 1
fi
echo "control id check: every control is named by its dialog's enum"
