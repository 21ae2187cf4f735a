#!/usr/bin/env bash
# The network window's dial-up panel under Wine, whose dial-up services are stubs with an
# empty phone book: one log line at start-up, Connect without a selection asks for one,
# Disconnect before any dial logs so, and the browser button without om.exe explains itself
# while the program goes on. The panel lies outside the network window's tiny client area;
# the driver places and shows that window (without activating it) only to photograph it.
# Remote Access reports a connection here (seeded), yet its only reader is Connect's
# refusal, which needs an entry to select, and Wine lists none: the unit suite covers it.
source "$(dirname "$0")/../lib.sh"
# A desktop wider than 1893 pixels: the panel spans 6720 to 28335 twips across (448 to 1889
# pixels), and Wine keeps a window no wider than the desktop and its frame.
e2e_begin dialup 1920x1080

timeout 60 wine reg add 'HKLM\System\CurrentControlSet\Services\RemoteAccess' \
  /v 'Remote Connection' /t REG_BINARY /d 01000000 /f </dev/null >/dev/null

e2e_start_program
e2e_wait_for 20 drv wait-window Form3 hidden 1000 >/dev/null

# A control's text with the line ends of the console (CR LF) and the log's final line end
# taken off, so that texts compare as plain "\n"-separated lines.
text_of() {  # FORM CONTROL
  local raw
  raw=$(drv text "$1" "$2") || return 1
  raw=${raw//$'\r'/}
  printf '%s' "${raw%$'\n'}"
}

expect_text() {  # FORM CONTROL EXPECTED
  local got
  got=$(text_of "$1" "$2") || e2e_fail "cannot read $1.$2"
  [[ "$got" == "$3" ]] || e2e_fail "$1.$2: expected '$3', got '$got'"
}

# Start-up: no entries, one log line.
expect_text Form3 txtStatus "Class initialized."
count=$(drv list-count Form3 lstConnections | tr -d '\r\n') || e2e_fail "cannot count lstConnections"
[[ "$count" == 0 ]] || e2e_fail "lstConnections holds $count entries, expected 0"
expect_text Form3 Label14 "Ready to connect"

# Connect with nothing selected: the exclamation box, and nothing logged.
drv click Form3 cmdConnect
box=$(drv msgbox 10000) || e2e_fail "no message box after Connect"
box=${box//$'\r'/}
[[ "$box" == "Orvex Net Speed 3X|Please select a DUN from the listbox before selecting connect." ]] ||
  e2e_fail "Connect without selection showed: $box"
drv answer OK 5000
e2e_wait_for 10 bash -c '! wine "$0" msgbox 200 >/dev/null 2>&1' "$E2E_DRIVER_UNIX"
expect_text Form3 txtStatus "Class initialized."

# Disconnect before any dial.
drv click Form3 cmdDisconnect
log_two_lines() { [[ "$(text_of Form3 txtStatus)" == $'Class initialized.\nNo connection made yet.' ]]; }
e2e_wait_for 10 log_two_lines
expect_text Form3 Label14 "Ready to connect"

# The browser button with no om.exe beside the program.
[[ ! -e "$(dirname "$E2E_EXE_UNIX")/om.exe" ]] || e2e_fail "om.exe unexpectedly present"
drv click Form3 Command9
box=$(drv msgbox 10000) || e2e_fail "no message box after the browser button"
box=${box//$'\r'/}
printf '%s\n' "$box" >"$E2E_ARTIFACTS/browser_message.txt"
[[ "$box" == *"The browser om.exe could not be started."* ]] || e2e_fail "unexpected browser message: $box"
[[ "$box" == *'C:\Program Files\Sparvane\om.exe'* ]] || e2e_fail "browser message lacks the path: $box"
drv answer OK 5000
kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the program ended after the browser button"
drv wait-window Form1 visible 5000 >/dev/null || e2e_fail "the widget is gone after the browser button"
expect_text Form3 txtStatus $'Class initialized.\nNo connection made yet.'

# Photograph the panel: place the network window so that its far-off controls (448 to 1889
# pixels across, 240 to 541 down in its client area, at 15 twips a pixel) fall inside the
# desktop, and check that the outermost ones are within the window and the screen.
drv place Form3 -440 0 1925 620 || e2e_fail "cannot place Form3"
e2e_wait_for 10 drv wait-window Form3 visible 500 >/dev/null
drv controls Form3 | tr -d '\r' >"$E2E_ARTIFACTS/form3_controls.txt"
read -r wl wt wr wb < <(drv rect Form3 | tr -d '\r')
for control in Label15 Frame7 Command5 Label14; do
  read -r l t r b < <(drv rect Form3 "$control" | tr -d '\r')
  ((l >= 0 && l >= wl && r <= wr && r <= 1920 && b <= wb && b <= 1080)) ||
    e2e_fail "$control ($l $t $r $b) not inside Form3 ($wl $wt $wr $wb) on screen"
done
e2e_screenshot form3_panel

# Close Widget ends the program.
drv click Form1 Command1
e2e_expect_exit 0 20
