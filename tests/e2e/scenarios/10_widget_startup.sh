#!/usr/bin/env bash
# The widget from start to end. After start-up it is the only window on screen (the network
# window and the folder clean-up window are loaded but hidden), its window is cut down to the
# column of controls (at 1600x900 the region spans 1184,8 to 1257,297: Shape1 at 17760,120
# twips, 1095 x 4335, at 15 twips per pixel) and its icon is in the notification area. The
# activity clock: the first tick writes the time, without input the label keeps it, a real
# pointer movement over the widget shows a new time within about two seconds. Close Widget
# ends the program at once with status 0 and takes the icon away; so does a close from the
# system (WM_CLOSE, what Alt+F4 sends), instead of leaving it running with nothing on screen.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_startup 1600x900

e2e_start_program
e2e_wait_for 20 drv wait-window Form3 hidden 1000 >/dev/null
e2e_wait_for 20 drv wait-window Form2 hidden 1000 >/dev/null

windows=$(drv windows)
printf '%s\n' "$windows" >"$E2E_ARTIFACTS/windows.txt"
visible=$(awk '$2 == "visible=1" { print $1 }' <<<"$windows" | sort | paste -sd' ')
[[ "$visible" == "Form1" ]] || e2e_fail "expected only Form1 on screen, visible: '$visible'"
for form in Form2 Form3; do
  grep -q "^$form visible=0" <<<"$windows" || e2e_fail "$form is not loaded and hidden"
done

region=$(drv region Form1)
echo "Form1 region: $region"
[[ "$region" == "1184 8 1257 297" ]] || e2e_fail "region bounding box '$region', expected the column '1184 8 1257 297'"

# The window itself stays maximized from the screen's left edge, so the column stands at
# its designed place on the screen, and its Close Widget button is where the user can reach it.
read -r left top right bottom < <(drv rect Form1)
[[ "$left" == 0 && "$top" == 0 ]] || e2e_fail "Form1 is not at the screen's corner: $left $top"
read -r cl ct cr cb <<<"$(drv rect Form1 Command1)"
((cl >= 0 && ct >= 0 && cr <= right && cb <= bottom && cr <= 1600 && cb <= 900)) ||
  e2e_fail "Command1 ($cl $ct $cr $cb) lies outside the widget window or the screen"

# shows_time [OTHER_THAN]: Label3's text once it is a time (other than the one given).
shows_time() {
  local text
  text=$(drv text Form1 Label3) || return 1
  [[ "$text" != "${1:-}" && "$text" =~ [0-9]+:[0-9]{2}:[0-9]{2} ]] && printf '%s\n' "$text"
}
first=$(e2e_wait_for 10 shows_time)
echo "first tick wrote: $first"
e2e_screenshot widget  # the README's picture

# Let the wall clock move on by two seconds; with no input the label must keep its time.
started=$SECONDS
clock_moved_on() { ((SECONDS - started >= 2)); }
e2e_wait_for 10 clock_moved_on
still=$(drv text Form1 Label3)
[[ "$still" == "$first" ]] || e2e_fail "Label3 changed without any input: '$first' -> '$still'"

# Real X input over the column (Command3 at 1192..1249, 56..81 on screen).
xdotool mousemove 1220 60
xdotool mousemove 1225 70
after=$(e2e_wait_for 3 shows_time "$first")
echo "after pointer motion: $after"

has_tray_icon() { local n; n=$(drv tray-count) && ((n >= 1)); }
e2e_wait_for 20 has_tray_icon
echo "tray icons while running: $(drv tray-count)"

drv click Form1 Command1
e2e_expect_exit 0 20
no_tray_icon() { local n; n=$(drv tray-count) && ((n == 0)); }
e2e_wait_for 10 no_tray_icon
e2e_screenshot after_close

e2e_start_program
drv close Form1
e2e_expect_exit 0 20
