#!/usr/bin/env bash
# The auto-start boxes change the current user's Run value: Picture1 stores the running
# program's own path in quotes, Picture2 deletes it, and with it the machine-wide value an
# older version wrote; Cancel on either question leaves the values alone. Each report comes
# after the registry call, so the values are read right after it. Switching off again, with
# nothing left to delete, still succeeds. (Wine's user is an administrator: the refusals of
# a user without rights are unit_shell's.)
source "$(dirname "$0")/../lib.sh"
e2e_begin autostart

# expect_box TITLE|TEXT: the next message box of the program is this one.
expect_box() {
  local shown
  shown=$(drv msgbox 30000) || e2e_fail "no message box; expected '$1'"
  [[ "$shown" == "$1" ]] || e2e_fail "message box '$shown', expected '$1'"
}

# click_box BOX ANSWER: clicks an auto-start box, checks its question and answers it.
click_box() {
  local box=$1 answer=$2 question
  case $box in
    Picture1) question='Run on windows startup' ;;
    Picture2) question='Stop running on windows startup?' ;;
  esac
  drv click Form1 "$box"
  expect_box "Sparvane|$question"
  drv answer "$answer"
}

# switch_off: Picture2, OK, and its report.
switch_off() {
  click_box Picture2 OK
  expect_box 'Sparvane|Sparvane will not run on windows startup'
  drv answer OK
}

for root in HKCU HKLM; do
  if e2e_run_value $root >/dev/null; then e2e_fail "the fresh prefix already has a $root Sparvane Run value"; fi
done

e2e_start_program
quoted="\"$E2E_EXE_WIN\""

# On: the quoted path of the running program, for this user only.
click_box Picture1 OK
expect_box 'Sparvane|Sparvane will now auto start on windows logon'
e2e_screenshot autostart_report
drv answer OK
value=$(e2e_run_value) || e2e_fail "no HKCU Sparvane value after switching auto-start on"
[[ "$value" == "$quoted" ]] || e2e_fail "HKCU Run value is '$value', expected '$quoted'"
if e2e_run_value HKLM >/dev/null; then e2e_fail "switching on wrote a machine-wide value"; fi

# A machine-wide value as an older version wrote it. Cancel leaves both as they were. Had
# Cancel gone on, its report would be the next box; the next box is instead the question
# of the following click.
old='C:\Sparvane\spv.exe'
e2e_set_run_value HKLM "$old"
click_box Picture2 Cancel
value=$(e2e_run_value) || e2e_fail "the HKCU value is gone after Cancel"
[[ "$value" == "$quoted" ]] || e2e_fail "HKCU Run value is '$value' after Cancel, expected '$quoted'"
value=$(e2e_run_value HKLM) || e2e_fail "the HKLM value is gone after Cancel"
[[ "$value" == "$old" ]] || e2e_fail "HKLM Run value is '$value' after Cancel, expected '$old'"

# Off: both values are gone, not emptied.
switch_off
for root in HKCU HKLM; do
  if value=$(e2e_run_value $root); then e2e_fail "the $root value is still there after switching off: '$value'"; fi
done

# Off again: nothing to delete is no failure.
switch_off

drv click Form1 Command1
e2e_expect_exit 0 20
