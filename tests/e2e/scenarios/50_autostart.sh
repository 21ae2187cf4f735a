#!/usr/bin/env bash
# The auto-start boxes write the program's Run value through the real reg.exe: Picture1
# stores the running program's own path in quotes, Picture2 stores an empty string, and
# Cancel on either question leaves the value alone. The report comes only after reg.exe
# has finished, so the value is read right after it.
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

if e2e_run_value >/dev/null; then e2e_fail "the fresh prefix already has a Sparvane Run value"; fi

e2e_start_program
quoted="\"$E2E_EXE_WIN\""

# On: the quoted path of the running program.
click_box Picture1 OK
expect_box 'Sparvane|Sparvane will now auto start on windows logon'
e2e_screenshot autostart_report
drv answer OK
value=$(e2e_run_value) || e2e_fail "no Sparvane value after switching auto-start on"
[[ "$value" == "$quoted" ]] || e2e_fail "Run value is '$value', expected '$quoted'"

# Cancel leaves the value as it was. Had Cancel gone on, its report would be the next box;
# the next box is instead the question of the following click.
click_box Picture2 Cancel
value=$(e2e_run_value) || e2e_fail "the Sparvane value is gone after Cancel"
[[ "$value" == "$quoted" ]] || e2e_fail "Run value is '$value' after Cancel, expected '$quoted'"

# Off: the value stays, with an empty string.
click_box Picture2 OK
expect_box 'Sparvane|Sparvane will not run on windows startup'
drv answer OK
value=$(e2e_run_value) || e2e_fail "the Sparvane value is gone after switching auto-start off"
[[ -z "$value" ]] || e2e_fail "Run value is '$value' after switching off, expected an empty string"

drv click Form1 Command1
e2e_expect_exit 0 20
