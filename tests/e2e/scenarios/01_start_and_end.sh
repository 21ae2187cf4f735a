#!/usr/bin/env bash
# Start-up leaves the widget as the only window on screen (the network window and the
# folder clean-up window are loaded but hidden), its activity clock writes the time on the
# first tick, and the Close Widget button ends the program with status 0.
source "$(dirname "$0")/../lib.sh"
e2e_begin start_and_end

e2e_start_program

# Form3 hides itself on its first activation and Form2 on its own; both stay loaded.
e2e_wait_for 20 drv wait-window Form3 hidden 1000 >/dev/null
e2e_wait_for 20 drv wait-window Form2 hidden 1000 >/dev/null

windows=$(drv windows)
printf '%s\n' "$windows" >"$E2E_ARTIFACTS/windows.txt"
visible=$(awk '$2 == "visible=1" { print $1 }' <<<"$windows" | sort | paste -sd' ')
[[ "$visible" == "Form1" ]] || e2e_fail "expected only Form1 on screen, visible: '$visible'"

# The widget is really on screen: its Close Widget button lies inside the widget window
# and inside the desktop, where the user can reach it.
read -r fl ft fr fb <<<"$(drv rect Form1)"
read -r cl ct cr cb <<<"$(drv rect Form1 Command1)"
width=${E2E_SIZE%x*} height=${E2E_SIZE#*x}
((cl >= fl && ct >= ft && cr <= fr && cb <= fb)) ||
  e2e_fail "Command1 ($cl $ct $cr $cb) lies outside the widget window ($fl $ft $fr $fb)"
((cl >= 0 && ct >= 0 && cr <= width && cb <= height)) ||
  e2e_fail "Command1 ($cl $ct $cr $cb) lies outside the ${E2E_SIZE} desktop"

# The first timer tick replaces the design caption "00" with the time of day.
label3_shows_time() {
  local text
  text=$(drv text Form1 Label3) || return 1
  [[ "$text" != "00" && "$text" =~ [0-9]+:[0-9]{2} ]]
}
e2e_wait_for 10 label3_shows_time
echo "Label3: $(drv text Form1 Label3)"

e2e_screenshot widget

drv click Form1 Command1
e2e_expect_exit 0 20
