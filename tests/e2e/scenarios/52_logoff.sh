#!/usr/bin/env bash
# Log Off ends the Windows session of this throwaway prefix: the program answers it by
# unloading its windows, which takes its notification-area icon away, and ends with
# status 0.
#
# Under Wine the session end closes every program of the prefix, the driver included, and
# once no program is left the virtual desktop closes too, taking the taskbar with it; a
# driver started after that would see a new, empty taskbar. So fresh driver runs poll the
# tray from the click on, failures of runs caught by the session end ignored, and a reading
# counts only when explorer, which owns the notification area, is still the process that
# showed the icon before the click. The polling itself keeps the desktop open meanwhile.
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

# The icon gone from the same taskbar, read while the session ends.
seen=
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  n=$(drv tray-count 2>/dev/null) || n=
  now=$(explorer_pid) || now=
  [[ -n "$now" ]] || break
  [[ "$now" == "$explorer" ]] || e2e_fail "explorer.exe was restarted ($explorer -> $now)"
  if [[ -n "$n" ]] && ((n == before - 1)); then
    seen=$n
    break
  fi
done
[[ -n "$seen" ]] || e2e_fail "the program's tray icon was still shown (last reading '${n:-none}') when the taskbar went away"
echo "tray icons after: $seen"

e2e_expect_exit 0 60
