#!/usr/bin/env bash
# The activity clock: the first tick writes the time; without input the label keeps it; a
# real pointer movement over the widget shows a new time within about two seconds.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_activity_clock 1600x900

e2e_start_program

shows_time() {
  local text
  text=$(drv text Form1 Label3) || return 1
  [[ "$text" =~ [0-9]+:[0-9]{2}:[0-9]{2} ]] && printf '%s\n' "$text"
}
first=$(e2e_wait_for 10 shows_time)
echo "first tick wrote: $first"

# Let the wall clock move on by two seconds; with no input the label must keep its time.
started=$SECONDS
clock_moved_on() { ((SECONDS - started >= 2)); }
e2e_wait_for 10 clock_moved_on
still=$(drv text Form1 Label3)
[[ "$still" == "$first" ]] || e2e_fail "Label3 changed without any input: '$first' -> '$still'"

# Real X input over the column (Command3 at 1192..1249, 56..81 on screen).
xdotool mousemove 1220 60
xdotool mousemove 1225 70
changed() {
  local text
  text=$(drv text Form1 Label3) || return 1
  [[ "$text" != "$first" && "$text" =~ [0-9]+:[0-9]{2}:[0-9]{2} ]] && printf '%s\n' "$text"
}
after=$(e2e_wait_for 3 changed)
echo "after pointer motion: $after"

e2e_screenshot activity_clock

drv click Form1 Command1
e2e_expect_exit 0 20
