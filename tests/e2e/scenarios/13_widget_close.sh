#!/usr/bin/env bash
# Close Widget ends the program at once with status 0 and leaves no notification-area icon.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_close 1600x900

e2e_start_program

has_tray_icon() { local n; n=$(drv tray-count) && ((n >= 1)); }
e2e_wait_for 20 has_tray_icon
echo "tray icons while running: $(drv tray-count)"
e2e_screenshot before_close

drv click Form1 Command1
e2e_expect_exit 0 20

no_tray_icon() { local n; n=$(drv tray-count) && ((n == 0)); }
e2e_wait_for 10 no_tray_icon
drv wait-window Form1 gone 5000 >/dev/null || e2e_fail "Form1 still exists after Close Widget"
e2e_screenshot after_close
