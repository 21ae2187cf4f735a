#!/usr/bin/env bash
# Log Off ends the Windows session of this throwaway prefix: the program answers it by
# unloading its windows, which takes its notification-area icon away, and ends with
# status 0.
#
# Under Wine the session end closes every program of the prefix, the driver included, but
# not explorer, which owns the taskbar and its notification area. So the icon is counted
# before the click by one driver run and afterwards by fresh driver runs, and the explorer
# process is checked to be the same one, so that "no icon" cannot come from a new, empty
# taskbar.
source "$(dirname "$0")/../lib.sh"
e2e_begin logoff

# The Linux pid of this prefix's explorer.exe; fails when there is none.
explorer_pid() {
  local pid
  for pid in $(pgrep -x explorer.exe 2>/dev/null); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      printf '%s\n' "$pid"
      return 0
    fi
  done
  return 1
}

e2e_start_program
tray_present() { local n; n=$(drv tray-count) && ((n >= 1)) && printf '%s\n' "$n"; }
before=$(e2e_wait_for 20 tray_present)
explorer=$(explorer_pid) || e2e_fail "no explorer.exe runs in the prefix"
echo "tray icons before: $before (explorer pid $explorer)"
e2e_screenshot before_logoff

drv click Form1 Command7
e2e_expect_exit 0 60

# The program is gone; the icon must be gone with it, from the same taskbar.
tray_less() { local n; n=$(drv tray-count) && ((n == before - 1)) && printf '%s\n' "$n"; }
after=$(e2e_wait_for 20 tray_less)
now=$(explorer_pid) || e2e_fail "explorer.exe did not survive the session end; the tray cannot be read"
[[ "$now" == "$explorer" ]] || e2e_fail "explorer.exe was restarted ($explorer -> $now); the tray reading proves nothing"
echo "tray icons after: $after"
e2e_screenshot after_logoff
