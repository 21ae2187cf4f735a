#!/usr/bin/env bash
# After start-up the widget is the only window on screen (the network window and the folder
# clean-up window are loaded but hidden), and its window is cut down to the
# column of controls: at 1600x900 the column's region spans 1184,8 to 1257,297 (Shape1 at
# 17760,120 twips, 1095 x 4335, at 15 twips per pixel).
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

# The README's picture, once the first tick has written the clock.
clock_written() { [[ "$(drv text Form1 Label3)" != "00" ]]; }
e2e_wait_for 10 clock_written
e2e_screenshot widget

drv click Form1 Command1
e2e_expect_exit 0 20
