#!/usr/bin/env bash
# Closing the widget from the system (WM_CLOSE, what Alt+F4 sends) ends the program as
# Close Widget does, instead of leaving it running with nothing on screen.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_alt_f4 1600x900

e2e_start_program

drv close Form1
e2e_expect_exit 0 20
drv wait-window Form3 gone 5000 >/dev/null || e2e_fail "the network window outlived the widget"
