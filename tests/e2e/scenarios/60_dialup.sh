#!/usr/bin/env bash
# The dial-up window under Wine, whose dial-up services are stubs with an empty phone book.
# Nothing of it exists at start-up; the notification-area menu's "Dial-up..." opens it, and
# only then is the phone book listed (no entries) and the one log line written. Every
# control lies inside the window's client area, the window on the screen, and the labels
# in the window's default font show their whole text. Connect without a selection asks for
# one, Disconnect before any dial logs so, and the browser button without om.exe explains
# itself while the program goes on. The close box hides the window; opening it again shows
# the same log. Remote Access reports a connection here (seeded), yet its only reader is
# Connect's refusal, which needs an entry to select, and Wine lists none: the unit suite
# covers it. Runs at 96 dpi; 61_dialup_144dpi.sh sources this one with E2E_DIALUP_DPI=144.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
dpi=${E2E_DIALUP_DPI:-96}
if ((dpi == 96)); then e2e_begin dialup; else e2e_begin "dialup_${dpi}dpi"; fi

timeout 60 wine reg add 'HKLM\System\CurrentControlSet\Services\RemoteAccess' \
  /v 'Remote Connection' /t REG_BINARY /d 01000000 /f </dev/null >/dev/null
if ((dpi != 96)); then
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  timeout 60 wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  _e2e_wineserver_down  # the program starts with a fresh server, which reads the new dpi
fi

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

expect_text() {  # CONTROL EXPECTED (on the dial-up window)
  local got
  got=$(text_of frmDialup "$1") || e2e_fail "cannot read frmDialup.$1"
  [[ "$got" == "$2" ]] || e2e_fail "frmDialup.$1: expected '$2', got '$got'"
}

open_dialup() {
  e2e_tray_pick "Dial-up..." || e2e_fail "cannot pick Dial-up... from the tray menu"
  e2e_wait_for 20 drv wait-window frmDialup visible 1000 >/dev/null
}

# Start-up: no dial-up window, and the network window carries no panel.
drv wait-window frmDialup gone 500 >/dev/null || e2e_fail "the dial-up window exists at start-up"
! drv text Form3 txtStatus >/dev/null 2>&1 || e2e_fail "the network window still carries the dial-up log"

# First opening: the phone book listed (empty), one log line.
open_dialup
caption=$(drv text frmDialup | tr -d '\r')
[[ "$caption" == "Dial-up" ]] || e2e_fail "dial-up window caption '$caption'"
expect_text txtStatus "Class initialized."
count=$(drv list-count frmDialup lstConnections | tr -d '\r\n') || e2e_fail "cannot count lstConnections"
[[ "$count" == 0 ]] || e2e_fail "lstConnections holds $count entries, expected 0"
expect_text Label14 "Ready to connect"

# Geometry: each control inside the client area, the window inside the screen.
drv inside frmDialup | tr -d '\r' >"$E2E_ARTIFACTS/inside.txt" ||
  e2e_fail "a control lies outside the dial-up window's client area: $(grep OUTSIDE "$E2E_ARTIFACTS/inside.txt")"
read -r _ sw sh < <(drv display | tr -d '\r' | grep '^screen ') || e2e_fail "cannot read the screen size"
read -r wl wt wr wb < <(drv rect frmDialup | tr -d '\r')
((wl >= 0 && wt >= 0 && wr <= sw && wb <= sh)) ||
  e2e_fail "the dial-up window ($wl $wt $wr $wb) is not inside the screen (${sw}x${sh})"
for label in Label14 Label18 Label19; do  # the window's default font
  line=$(drv text-fit frmDialup "$label" "MS Sans Serif" 8.25) || e2e_fail "cannot measure $label"
  echo "$label: $line" >>"$E2E_ARTIFACTS/measures.txt"
  [[ "$line" == *" fits=1" ]] || e2e_fail "$label cuts its text: $line"
done

# Connect with nothing selected: the exclamation box, and nothing logged.
drv click frmDialup cmdConnect
box=$(drv msgbox 10000) || e2e_fail "no message box after Connect"
box=${box//$'\r'/}
[[ "$box" == "Orvex Net Speed 3X|Please select a DUN from the listbox before selecting connect." ]] ||
  e2e_fail "Connect without selection showed: $box"
drv answer OK 5000
e2e_wait_for 10 bash -c '! wine "$0" msgbox 200 >/dev/null 2>&1' "$E2E_DRIVER_UNIX"
expect_text txtStatus "Class initialized."

# Disconnect before any dial.
drv click frmDialup cmdDisconnect
two_lines=$'Class initialized.\nNo connection made yet.'
log_two_lines() { [[ "$(text_of frmDialup txtStatus)" == "$two_lines" ]]; }
e2e_wait_for 10 log_two_lines
expect_text Label14 "Ready to connect"

# The browser button with no om.exe beside the program.
[[ ! -e "$(dirname "$E2E_EXE_UNIX")/om.exe" ]] || e2e_fail "om.exe unexpectedly present"
drv click frmDialup Command9
box=$(drv msgbox 10000) || e2e_fail "no message box after the browser button"
box=${box//$'\r'/}
printf '%s\n' "$box" >"$E2E_ARTIFACTS/browser_message.txt"
[[ "$box" == *"The browser om.exe could not be started."* ]] || e2e_fail "unexpected browser message: $box"
[[ "$box" == *'C:\Program Files\Sparvane\om.exe'* ]] || e2e_fail "browser message lacks the path: $box"
drv answer OK 5000
kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the program ended after the browser button"
drv wait-window Form1 visible 5000 >/dev/null || e2e_fail "the widget is gone after the browser button"
expect_text txtStatus "$two_lines"
e2e_screenshot dialup_window

# The close box hides the window; the menu brings back the same one, log and all.
drv close frmDialup
e2e_wait_for 10 drv wait-window frmDialup hidden 500 >/dev/null
open_dialup
expect_text txtStatus "$two_lines"

# Close Widget ends the program.
drv click Form1 Command1
e2e_expect_exit 0 20
