#!/usr/bin/env bash
# On a screen narrower than the designed column (18855 twips, 1257 pixels) the whole column
# moves left so that it ends at the screen's right edge: every button is on screen.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_narrow_screen 1024x768

e2e_start_program

read -r wleft _ wright _ < <(drv rect Form1)
region=$(drv region Form1)
echo "Form1 rect: $wleft .. $wright, region: $region"
[[ "$region" != none ]] || e2e_fail "Form1 has no window region"
read -r rleft rtop rright rbottom <<<"$region"
width=$((wright - wleft))
((rright <= width)) || e2e_fail "column ends at $rright, beyond the window's width $width"
((wleft + rright == 1024)) || e2e_fail "column ends at screen x $((wleft + rright)), expected 1024"
((rright - rleft == 73)) || e2e_fail "column is $((rright - rleft)) pixels wide, expected 73"
((rtop == 8 && rbottom == 297)) || e2e_fail "column spans rows $rtop..$rbottom, expected 8..297"

for button in Command63 Command3 Command8 Command6 Command7 Command2 Command1; do
  read -r l _ r _ < <(drv rect Form1 "$button")
  ((l >= 0 && r <= 1024)) || e2e_fail "$button lies at $l..$r, off the 1024-pixel screen"
done

e2e_screenshot widget_narrow

drv click Form1 Command1
e2e_expect_exit 0 20
