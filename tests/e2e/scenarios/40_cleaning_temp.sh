#!/usr/bin/env bash
# Clean Junk empties the user's temporary folder (C:\users\<user>\Temp in the prefix):
# nested folders and read-only, hidden and system files go, the folder itself stays. A
# folder link inside it that points outside (to a folder holding a canary file) is neither
# entered nor deleted, and a file link pointing outside stays with its target untouched
# (Wine lists a file link as a plain file and would delete its target). The clean-up window frmMain is loaded by the first Clean Junk and is
# hidden again when the click is over.
source "$(dirname "$0")/../lib.sh"
e2e_begin cleaning_temp

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
temp=$WINEPREFIX/drive_c/users/$user/Temp
outside=$WINEPREFIX/drive_c/outside
mkdir -p "$temp" "$outside/deeper"
echo "canary" >"$outside/canary.txt"
echo "canary" >"$outside/deeper/canary2.txt"
echo "canary" >"$outside/file_canary.txt"

# The junk: nested folders, protected files, a read-only folder.
mkdir -p "$temp/setup/disk1/data" "$temp/cache" "$temp/ro_folder"
for i in 1 2 3; do head -c 2048 /dev/urandom >"$temp/setup/disk1/data/part$i.cab"; done
echo junk >"$temp/plain.tmp"
echo junk >"$temp/readonly.tmp"
echo junk >"$temp/.hidden.tmp"
echo junk >"$temp/system.tmp"
echo junk >"$temp/cache/readonly_inside.dat"
echo junk >"$temp/ro_folder/file.txt"
# Folder links out of the temporary folder, at the top and one level down.
ln -s "$outside" "$temp/escape"
ln -s "$outside/deeper" "$temp/cache/escape2"
ln -s "$outside/file_canary.txt" "$temp/file_link.tmp"

# Attributes as Windows sees them, set through Windows' own tool.
wtemp="C:\\users\\$user\\Temp"
timeout 60 wine cmd /c attrib +r "$wtemp\\readonly.tmp" >/dev/null 2>&1
timeout 60 wine cmd /c attrib +h +s "$wtemp\\system.tmp" >/dev/null 2>&1
timeout 60 wine cmd /c attrib +r "$wtemp\\cache\\readonly_inside.dat" >/dev/null 2>&1
timeout 60 wine cmd /c attrib +r "$wtemp\\ro_folder" >/dev/null 2>&1
timeout 60 wine cmd /c attrib "$wtemp\\*" >"$E2E_ARTIFACTS/attributes_before.txt" 2>&1 || true
chmod a-w "$temp/cache/readonly_inside.dat"
outside_before=$(cd "$outside" && find . -printf '%p %s\n' | sort)
find "$temp" >"$E2E_ARTIFACTS/temp_before.txt"

e2e_start_program
drv windows | grep -q '^frmMain ' && e2e_fail "frmMain is loaded before the first Clean Junk"

drv click Form1 Command63

# What may remain: the links and the folder that holds the second one.
temp_left() { (cd "$temp" && find . -mindepth 1 | sort | paste -sd' '); }
expect_left="./cache ./cache/escape2 ./escape ./file_link.tmp"
e2e_wait_for 60 bash -c "[[ \"\$(cd '$temp' && find . -mindepth 1 | sort | paste -sd' ')\" == '$expect_left' ]]" ||
  e2e_fail "temp holds: $(temp_left)"
echo "temp after Clean Junk: $(temp_left)"

[[ -L "$temp/escape" && -L "$temp/cache/escape2" ]] || e2e_fail "a link was deleted"
outside_after=$(cd "$outside" && find . -printf '%p %s\n' | sort)
[[ "$outside_before" == "$outside_after" ]] || e2e_fail "the folder outside Temp changed: $outside_after"
[[ "$(cat "$outside/canary.txt")" == canary ]] || e2e_fail "canary damaged"
[[ "$(cat "$outside/file_canary.txt")" == canary ]] || e2e_fail "the file link's target was deleted"

e2e_wait_for 20 drv wait-window frmMain hidden 1000 >/dev/null
windows=$(drv windows)
printf '%s\n' "$windows" >"$E2E_ARTIFACTS/windows.txt"
visible=$(awk '$2 == "visible=1" { print $1 }' <<<"$windows" | sort | paste -sd' ')
[[ "$visible" == "Form1" ]] || e2e_fail "expected only Form1 on screen after Clean Junk, visible: '$visible'"

# A second Clean Junk runs with the window already loaded: it stays hidden.
echo junk >"$temp/second.tmp"
drv click Form1 Command63
e2e_wait_for 60 test ! -e "$temp/second.tmp"
drv wait-window frmMain hidden 1000 >/dev/null || e2e_fail "frmMain came back on screen"
[[ -L "$temp/escape" && -f "$outside/canary.txt" ]] || e2e_fail "the second run reached through the link"

e2e_screenshot after_clean_junk
drv click Form1 Command1
e2e_expect_exit 0 20
