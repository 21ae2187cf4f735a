#!/usr/bin/env bash
# After start-up the widget is the only window on screen, and its window is cut down to the
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
# its designed place on the screen.
read -r left top _ _ < <(drv rect Form1)
[[ "$left" == 0 && "$top" == 0 ]] || e2e_fail "Form1 is not at the screen's corner: $left $top"

e2e_screenshot widget

drv click Form1 Command1
e2e_expect_exit 0 20
