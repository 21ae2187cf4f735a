#!/usr/bin/env bash
# DLLs saved beside the program (iphlpapi.dll, rasapi32.dll, wininet.dll in its folder, as a
# Downloads folder may hold them) never run inside it. Wine is told to search like Windows
# (native first, for those three), and stand-ins that leave a marker when loaded are planted
# in the program's folder. A control program in that folder that loads them by bare name
# must get the stand-ins, so the check cannot pass for want of live DLLs. Then the program
# starts there, measures traffic (IP Helper), has its dial-up window opened from the tray
# menu, which lists the dial-up entries (Remote Access, loaded only then), runs Clean Junk
# and closes: no marker may appear, and Wine's load log must show IP Helper and Remote
# Access taken from System32. WinINet is loaded only by a dial, which needs an
# entry that Wine's empty phone book never lists: for it the run shows that nothing else
# pulls it in from the program's folder.
source "$(dirname "$0")/../lib.sh"
e2e_begin planted_dlls

dir=$(dirname "$E2E_EXE_UNIX")
planted=(iphlpapi rasapi32 wininet)
x86_64-w64-mingw32-gcc -shared -O2 -s -nostdlib -Wl,--entry=DllMain -o "$E2E_TMP/standin.dll" \
  "$E2E_ROOT/tests/e2e/standin_dll.c" -lkernel32 || e2e_fail "cannot build the stand-in DLL"
for name in "${planted[@]}"; do cp "$E2E_TMP/standin.dll" "$dir/$name.dll"; done
# no_stand_in_ran WHEN: fails naming every stand-in that left its marker, and who loaded it.
no_stand_in_ran() {
  local marker ran=
  for marker in "$dir"/*.dll.loaded; do
    [[ -e "$marker" ]] && ran+=" $(basename "$marker" .loaded) in $(tr '\n' ' ' <"$marker")"
  done
  [[ -z "$ran" ]] || e2e_fail "$1, planted DLLs ran:$ran"
}

# The control: a program that trusts the default search order, loading each by bare name.
cat >"$E2E_TMP/probe.c" <<'C'
#include <windows.h>
#include <stdio.h>
int wmain(int argc, wchar_t** argv) {
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        HMODULE m = LoadLibraryW(argv[i]);
        wchar_t path[MAX_PATH] = L"(not loaded)";
        if (m) GetModuleFileNameW(m, path, MAX_PATH);
        wprintf(L"%ls %ls\n", argv[i], path);
        failed |= m == NULL;
    }
    return failed;
}
C
x86_64-w64-mingw32-gcc -municode -O2 -o "$dir/probe.exe" "$E2E_TMP/probe.c" || e2e_fail "cannot build the probe"

# Native first for the three, as Windows searches; Wine's default takes its own copies.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;iphlpapi,rasapi32,wininet=n,b"
(cd "$dir" && timeout 60 wine 'C:\Program Files\Sparvane\probe.exe' iphlpapi.dll rasapi32.dll wininet.dll) \
  >"$E2E_ARTIFACTS/probe.txt" 2>"$E2E_ARTIFACTS/probe_wine.log" ||
  e2e_fail "the probe could not load the stand-ins: $(tr -d '\r' <"$E2E_ARTIFACTS/probe.txt")"
tr -d '\r' <"$E2E_ARTIFACTS/probe.txt"
for name in "${planted[@]}"; do
  grep -qx 'C:\\Program Files\\Sparvane\\probe.exe' "$dir/$name.dll.loaded" 2>/dev/null ||
    e2e_fail "the stand-in $name.dll did not run in the probe: the check below would prove nothing"
done
rm -f "$dir"/*.dll.loaded "$dir/probe.exe"

# process_loads LOG EXE: the load lines (WINEDEBUG +pid,+loaddll) of the process that ran EXE.
process_loads() {
  local pid
  pid=$(grep -m1 -F "\\$2\" at " "$1" | cut -d: -f1) && [[ -n "$pid" ]] || return 1
  grep "^$pid:[0-9a-f]*:trace:loaddll:" "$1"
}
# The driver runs from the same folder: it must load none of the three either.
WINEDEBUG=-all,+pid,+loaddll drv windows >/dev/null 2>"$E2E_ARTIFACTS/driver_loaddll.log" || true
driver_loads=$(process_loads "$E2E_ARTIFACTS/driver_loaddll.log" sparvane-driver.exe) ||
  e2e_fail "no load log of the driver"
! grep -iE 'iphlpapi|rasapi32|wininet' <<<"$driver_loads" || e2e_fail "the driver loads one of the planted names"

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
temp=$WINEPREFIX/drive_c/users/$user/Temp
mkdir -p "$temp" && echo junk >"$temp/junk.tmp"

WINEDEBUG=-all,+pid,+loaddll e2e_start_program
tr '\0' '\n' <"/proc/$APP_PID/environ" | grep -qx "WINEDLLOVERRIDES=$WINEDLLOVERRIDES" ||
  e2e_fail "the program's process lacks the override: $(tr '\0' '\n' <"/proc/$APP_PID/environ" | grep WINEDLL)"
echo "program process: $(tr '\0' ' ' <"/proc/$APP_PID/cmdline")"

# Traffic: the widget's figure replaces its design text at the first tick; the tray tip
# holds the byte totals.
is_figure() { [[ "$1" =~ ^-?[0-9]+(\.[0-9]+)?(E[-+][0-9]+)?$ && "$1" != "000" ]]; }
ticking() { local f; f=$(drv text Form1 Label1) && is_figure "$f" && printf '%s\n' "$f"; }
e2e_wait_for 20 ticking >/dev/null
sleep 2  # a few more ticks
no_stand_in_ran "after start-up"
tip() { drv tray-tips | grep -m1 '^Bytes received: [0-9]'; }
tip_text=$(e2e_wait_for 20 tip)
echo "tray tip: $tip_text"

# Dial-up: Remote Access is not loaded at start-up; the dial-up window, opened from the tray
# menu, loads it and lists the phone book's entries (none under Wine).
loads=$(process_loads "$E2E_ARTIFACTS/program.log" sparvane.exe) || e2e_fail "no load log of the program"
! grep -qi rasapi32 <<<"$loads" || e2e_fail "Remote Access was loaded before the dial-up window was opened"
e2e_tray_pick "Dial-up..." || e2e_fail "cannot pick Dial-up... from the tray menu"
e2e_wait_for 20 drv wait-window frmDialup visible 1000 >/dev/null
status=$(drv text frmDialup txtStatus | tr -d '\r')
[[ "$status" == "Class initialized." ]] || e2e_fail "dial-up log: '$status'"
count=$(drv list-count frmDialup lstConnections | tr -d '\r\n')
[[ "$count" == 0 ]] || e2e_fail "lstConnections holds $count entries, expected 0"
e2e_screenshot widget_beside_standins

drv click Form1 Command63
e2e_wait_for 120 test ! -e "$temp/junk.tmp" || e2e_fail "Clean Junk did not empty Temp"
e2e_wait_for 30 drv wait-window frmMain hidden 1000 >/dev/null

drv click Form1 Command1
e2e_expect_exit 0 20

# No stand-in ran, in the program or anything it started; the program's own load log shows
# the system's copies taken from System32.
no_stand_in_ran "after Clean Junk and the close"
loads=$(process_loads "$E2E_ARTIFACTS/program.log" sparvane.exe) || e2e_fail "no load log of the program"
grep -iE 'iphlpapi|rasapi32|wininet' <<<"$loads" | sed 's/^/program: /'
for name in iphlpapi rasapi32; do  # WinINet comes only with a dial, which needs an entry
  grep -qF "Loaded L\"C:\\\\windows\\\\system32\\\\$name.dll\" at " <<<"$loads" ||
    e2e_fail "the program did not load $name.dll from System32"
done
! grep -iE 'iphlpapi|rasapi32|wininet' "$E2E_ARTIFACTS/program.log" | grep -viF 'C:\\windows\\system32\\' ||
  e2e_fail "a planted name was loaded from outside System32"
