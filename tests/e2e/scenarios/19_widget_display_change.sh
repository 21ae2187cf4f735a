#!/usr/bin/env bash
# The widget on a screen narrower than its designed column (18855 twips, 1257 pixels), and
# the screen changing under it. Started on a 1024x768 desktop, the whole column moves left
# so that it ends at the screen's right edge: every button is on screen. The resolution then
# grows to 1600x900 and drops back to 1024x768; after each change the column lies wholly on
# screen, as it would had the program started then, and its buttons still answer. (A work
# area changed by another program, and a new DPI, cannot be made under Wine 8 while a
# program runs: SPI_SETWORKAREA there holds only for the process that sets it, and the DPI
# is read at start-up. Unit tests cover them.)
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_display_change 1600x900 1024x768

e2e_start_program

# Region box of the widget in screen pixels: "left top right bottom".
column() {
  local wleft wtop wright region
  read -r wleft wtop wright _ < <(drv rect Form1)
  region=$(drv region Form1)
  [[ "$region" != none ]] || return 1
  read -r l t r b <<<"$region"
  ((r <= wright - wleft)) || { echo "beyond the window's width $((wright - wleft))"; return 0; }
  echo "$((wleft + l)) $((wtop + t)) $((wleft + r)) $((wtop + b))"
}
# expect_column LEFT RIGHT WHY: waits until the column spans LEFT..RIGHT across (8..297 down).
expect_column() {
  local want="$1 8 $2 297" deadline=$((SECONDS + 15)) now=
  while ((SECONDS < deadline)); do
    now=$(column) && [[ "$now" == "$want" ]] && return 0
    sleep 0.3
  done
  e2e_fail "the column spans '$now', expected '$want' ($3)"
}
buttons_on_narrow_screen() {
  for button in Command63 Command3 Command8 Command6 Command7 Command2 Command1; do
    read -r l _ r _ < <(drv rect Form1 "$button")
    ((l >= 0 && r <= 1024)) || e2e_fail "$button lies at $l..$r, off the 1024-pixel screen ($1)"
  done
}

expect_column 951 1024 "started 1024 pixels wide: the column ends at the right edge"
buttons_on_narrow_screen "at start-up"
e2e_screenshot widget_narrow

echo "resolution: $(drv display-mode 1600 900)"
drv display
expect_column 1184 1257 "grown to 1600 pixels: the designed place"

echo "resolution: $(drv display-mode 1024 768)"
expect_column 951 1024 "back at 1024 pixels: the column ends at the right edge again"
buttons_on_narrow_screen "after the change"
drv display
e2e_screenshot widget_after_resolution_change

# Still answering: About opens its box and closes again.
drv click Form1 Command2
e2e_wait_for 10 drv msgbox 1000 >/dev/null
drv answer OK
drv click Form1 Command1
e2e_expect_exit 0 20
