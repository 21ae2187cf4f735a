#!/usr/bin/env bash
# The screen guard: after its message, a maximized, topmost, layered veil at alpha 80 that a
# real single click leaves alone and a real double click removes; opening it again gives
# the same veil. Keys typed meanwhile go into its hidden text box.
#
# Then Log Off ends the Windows session of this throwaway prefix: the program answers it by
# unloading its windows, which takes its notification-area icon away, and ends with
# status 0. Under Wine the session end closes every program of the prefix, the driver
# included, and once no program is left the virtual desktop closes too, taking the taskbar
# with it; a driver started after that would see a new, empty taskbar. So fresh driver runs
# poll the tray from the click on, failures of runs caught by the session end ignored, and a
# reading counts only when explorer, which owns the notification area, is still the process
# that showed the icon before the click. The polling itself keeps the desktop open meanwhile.
source "$(dirname "$0")/../lib.sh"
e2e_begin screen_guard

WS_MAXIMIZE=0x01000000
WS_CAPTION=0x00C00000
WS_THICKFRAME=0x00040000
WS_EX_LAYERED=0x80000

open_guard() {
  drv click Form1 Command3
  local shown
  shown=$(drv msgbox 10000) || e2e_fail "no message box after Screen Guard"
  [[ "$shown" == "Sparvane|Double click on screen guard to close" ]] || e2e_fail "message box '$shown'"
  drv answer OK
  e2e_wait_for 10 drv wait-window Form4 visible 1000 >/dev/null
}

# The veil as the system sees it: maximized, topmost, layered, alpha 80.
check_veil() {
  local line style exstyle
  line=$(drv style Form4) || e2e_fail "cannot read Form4's style"
  echo "Form4: $line"
  style=$(sed -nE 's/.*(^| )style=(0x[0-9a-fA-F]+).*/\2/p' <<<"$line")
  exstyle=$(sed -nE 's/.*exstyle=(0x[0-9a-fA-F]+).*/\1/p' <<<"$line")
  [[ -n "$style" && -n "$exstyle" ]] || e2e_fail "unreadable style line '$line'"
  ((style & WS_MAXIMIZE)) || e2e_fail "Form4 is not maximized ($line)"
  ((style & (WS_CAPTION | WS_THICKFRAME))) && e2e_fail "Form4 has a caption bar or frame ($line)"
  [[ $(drv text Form4) == Form4 ]] || e2e_fail "Form4's window title is not 'Form4'"
  local l t r b
  read -r l t r b <<<"$(drv rect Form4)"
  ((l <= 0 && t <= 0 && r >= ${E2E_SIZE%x*})) || e2e_fail "the veil does not reach the screen's top edge: $l $t $r $b"
  ((exstyle & WS_EX_LAYERED)) || e2e_fail "Form4 is not layered ($line)"
  [[ "$line" == *" topmost=1 "* ]] || e2e_fail "Form4 is not topmost ($line)"
  [[ "$line" == *" alpha=80" ]] || e2e_fail "Form4's alpha is not 80 ($line)"
}

e2e_start_program
open_guard
check_veil
e2e_screenshot screen_guard

# Real input, through X, at the middle of the veil (where no other window of ours lies).
read -r l t r b <<<"$(drv rect Form4)"
width=${E2E_SIZE%x*} height=${E2E_SIZE#*x}
x=$(((l + r) / 2)) y=$(((t + b) / 2))
((x > 0 && x < width && y > 0 && y < height)) || e2e_fail "Form4's middle ($x,$y) is off the screen"
timeout 10 xdotool mousemove "$x" "$y"

# Keys go into the hidden text box. One key: this checks where keys go, not how an edit
# control orders them.
timeout 10 xdotool type --delay 50 q
typed() { local text; text=$(drv text Form4 Text1) && [[ "$text" == *q* ]] && printf '%s\n' "$text"; }
text=$(e2e_wait_for 10 typed)
echo "Text1: $text"

# A single click leaves it. The driver's round trips take far longer than the program
# needs to handle a click, and they keep the double click below apart from this one.
timeout 10 xdotool click 1
drv wait-window Form4 visible 2000 >/dev/null || e2e_fail "a single click closed the screen guard"
check_veil

# A double click closes it.
timeout 10 xdotool click --repeat 2 --delay 80 1
e2e_wait_for 10 drv wait-window Form4 gone 1000 >/dev/null
drv wait-window Form1 visible 1000 >/dev/null || e2e_fail "the widget went with the screen guard"

# Opening it again gives the same veil, loaded afresh. A double click at the very top of
# the screen, where a caption bar would be, closes it too.
open_guard
check_veil
e2e_screenshot screen_guard_again
timeout 10 xdotool mousemove "$x" 0 click --repeat 2 --delay 80 1
e2e_wait_for 10 drv wait-window Form4 gone 1000 >/dev/null

# Alt+F4 is the keyboard's way out.
open_guard
timeout 10 xdotool mousemove "$x" "$y" key alt+F4
e2e_wait_for 10 drv wait-window Form4 gone 1000 >/dev/null
drv wait-window Form1 visible 1000 >/dev/null || e2e_fail "Alt+F4 on the screen guard took the widget too"

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
