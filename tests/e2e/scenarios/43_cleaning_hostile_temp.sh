#!/usr/bin/env bash
# Clean Junk on a temporary folder as a real desktop has it, with every hazard we know:
# names in other scripts, a tree deeper than 260 characters, files and a folder protected
# by Windows attributes, Unix names holding "\" that climb out of Temp ("..\AppData",
# "..\..\..\..\windows"), names Windows cannot hold, file and folder links out of Temp (to a
# read-only file, to the drive root, one level down), hard links to files outside, a named
# pipe, a file another program holds open without sharing (read-only and hidden, in a hidden
# folder: both keep their attributes). Canaries outside Temp are
# checked byte for byte and mode for mode afterwards. The recycle bin (the scratch HOME's
# Trash, every drive's bin under Wine) is emptied. The clean-up window is loaded by the
# first Clean Junk and stays hidden, with only the widget on screen. Then Temp itself is
# made a link: to the user's profile (refused), and to another folder named Temp (swept
# there).
source "$(dirname "$0")/../lib.sh"
e2e_begin cleaning_hostile_temp

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
profile=$WINEPREFIX/drive_c/users/$user
temp=$profile/Temp
outside=$WINEPREFIX/drive_c/outside
mkdir -p "$temp" "$outside/tree" "$profile/AppData/Roaming" "$WINEPREFIX/drive_c/windows/canary"

# Canaries: everything a climbing name or a link could reach.
echo "settings" >"$profile/AppData/Roaming/settings.ini"
echo "system" >"$WINEPREFIX/drive_c/windows/canary/system.dat"
echo "read-only target" >"$outside/ro_target.txt" && chmod 444 "$outside/ro_target.txt"
echo "hard read-only" >"$outside/hard_ro.txt" && chmod 444 "$outside/hard_ro.txt"
echo "hard writable" >"$outside/hard_rw.txt" && chmod 644 "$outside/hard_rw.txt"
for i in 1 2 3; do head -c 4096 /dev/urandom >"$outside/tree/blob$i.bin"; done
echo "profile" >"$profile/ntuser_canary.dat"
canaries=(outside windows/canary "users/$user/AppData/Roaming" "users/$user/ntuser_canary.dat")
snapshot() {  # path, mode, size and content hash of every canary, links not followed
  cd "$WINEPREFIX/drive_c" && find "${canaries[@]}" -printf '%p %m %s %y\n' | sort &&
    find "${canaries[@]}" -type f -exec sha256sum {} + | sort -k2
}
before=$(snapshot)
windows_before=$(cd "$WINEPREFIX/drive_c/windows" && find . -maxdepth 2 | sort | sha256sum)

# Junk that must go.
mkdir -p "$temp/Новая папка" "$temp/新建文件夹" "$temp/café" "$temp/🎉 party" "$temp/ro_folder" "$temp/cache"
echo junk >"$temp/Новая папка/отчёт.txt"
echo junk >"$temp/新建文件夹/数据.tmp"
echo junk >"$temp/café/menu.tmp"
echo junk >"$temp/🎉 party/🎂.tmp"
echo junk >"$temp/naïve résumé.tmp"
echo junk >"$temp/ro_folder/inside.tmp" && chmod 444 "$temp/ro_folder/inside.tmp"
echo junk >"$temp/.hidden.tmp" && echo junk >"$temp/system.tmp" && echo junk >"$temp/cache/x.dat"
# Through Windows' own tool, tried twice (one run on a loaded machine saw a try fail).
attrib() { timeout 60 wine cmd /c attrib "$@" >/dev/null 2>&1 || timeout 60 wine cmd /c attrib "$@" >/dev/null 2>&1; }
attrib +h +s "C:\\users\\$user\\Temp\\system.tmp"; attrib +r "C:\\users\\$user\\Temp\\ro_folder"
deep=$temp
for i in $(seq -w 1 30); do deep="$deep/level_${i}_abcdefghij"; done   # over 600 characters
mkdir -p "$deep" && echo junk >"$deep/bottom.tmp" && chmod 444 "$deep/bottom.tmp"
ln "$outside/hard_rw.txt" "$temp/hard_rw_name.tmp"                     # a second name: it may go
for i in $(seq 1 500); do echo "$i" >"$temp/bulk_$i.tmp"; done

# Hazards that must stay, untouched.
mkdir -p "$temp/..\\AppData" "$temp/..\\..\\..\\..\\windows"           # Unix names holding "\"
echo bait >"$temp/..\\AppData/bait.txt"
echo bait >"$temp/..\\settings.ini"
echo odd >"$temp/trailing dot." && echo odd >"$temp/trailing blank " && echo odd >"$temp/..."
echo odd >"$temp/a:b" && echo odd >"$temp/star*name"
ln -s "$outside/ro_target.txt" "$temp/link_to_ro.tmp"
ln -s "$outside/tree" "$temp/folder_link"
ln -s "$outside/tree" "$temp/cache/inner_link"                            # keeps its folder
# The drive root as Windows sees it (C:), not the machine's "/": the suite runs as root, and a
# sweep that followed this link must only be able to harm the scratch prefix.
ln -s "$WINEPREFIX/drive_c" "$temp/root_link"
ln -s "$temp/loop_b" "$temp/loop_a" && ln -s "$temp/loop_a" "$temp/loop_b"
ln "$outside/hard_ro.txt" "$temp/hard_ro_name.tmp"
mkfifo "$temp/a_pipe"
mkdir -p "$temp/held_dir" && echo "in use" >"$temp/held_dir/held.log"
find "$temp" >"$E2E_ARTIFACTS/temp_before.txt"

# A small Windows program that opens the file with no sharing at all and keeps it open
# until it is ended. A Linux process holding the file would not lock it for Wine.
cat >"$E2E_TMP/holdfile.c" <<'C'
#include <windows.h>
int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    HANDLE h = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(CreateFileW(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));  /* ready */
    Sleep(600000);
    return 0;
}
C
x86_64-w64-mingw32-gcc -municode -O2 -o "$WINEPREFIX/drive_c/holdfile.exe" "$E2E_TMP/holdfile.c" ||
  e2e_fail "cannot build the file holder"
wine 'C:\holdfile.exe' "C:\\users\\$user\\Temp\\held_dir\\held.log" 'C:\holder.ready' >/dev/null 2>&1 &
holder_pid=$!
e2e_wait_for 30 test -e "$WINEPREFIX/drive_c/holder.ready"
# Protected while held (Windows allows that through the lock), in a hidden folder: what
# cannot go must stay as it was.
held_win="C:\\users\\$user\\Temp\\held_dir"
# One attribute per call: Wine's attrib applies only the last of several.
attrib +r "$held_win\\held.log"; attrib +h "$held_win\\held.log"; attrib +h "$held_win"
# attrib_letters WINPATH: the attribute letters Windows' attrib shows for one entry.
attrib_letters() { timeout 60 wine cmd /c attrib "$1" 2>/dev/null | tr -d '\r' | sed -E 's/[A-Za-z]:\\.*$//; s/ //g'; }
held_attrs=$(attrib_letters "$held_win\\held.log") folder_attrs=$(attrib_letters "$held_win")
[[ "$held_attrs" == *R* && "$held_attrs" == *H* && "$folder_attrs" == *H* ]] ||
  e2e_fail "could not protect the held file and its folder"

# Items in the recycle bin: files with their .trashinfo records, as the desktop writes them.
trash=$HOME/.local/share/Trash
mkdir -p "$trash/files" "$trash/info"
for name in old_report.txt photo.jpg; do
  echo "deleted earlier" >"$trash/files/$name"
  printf '[Trash Info]\nPath=/tmp/%s\nDeletionDate=2024-01-01T10:00:00\n' "$name" >"$trash/info/$name.trashinfo"
done

e2e_start_program
drv windows | grep -q '^frmMain ' && e2e_fail "frmMain is loaded before the first Clean Junk"
drv click Form1 Command63
e2e_wait_for 120 test ! -e "$temp/bulk_1.tmp" || e2e_fail "Clean Junk did not empty Temp"
e2e_wait_for 30 drv wait-window frmMain hidden 1000 >/dev/null
e2e_wait_for 30 bash -c "[[ -z \"\$(ls -A '$trash/files')\" ]]"
left=$(cd "$temp" && find . -mindepth 1 -maxdepth 1 | sort)
printf '%s\n' "$left" >"$E2E_ARTIFACTS/temp_after.txt"
echo "left in Temp:"; printf '  %s\n' "$left"

expect_left=$(printf '%s\n' './..\AppData' './..\..\..\..\windows' './..\settings.ini' './...' './a:b' \
  './a_pipe' './cache' './folder_link' './hard_ro_name.tmp' './held_dir' './link_to_ro.tmp' './loop_a' \
  './loop_b' './root_link' './star*name' './trailing blank ' './trailing dot.' | sort)
[[ "$left" == "$expect_left" ]] || e2e_fail "Temp holds other than expected: $({ diff <(echo "$expect_left") <(echo "$left") || true; } | tr '\n' ' ')"
[[ -f "$temp/..\\AppData/bait.txt" ]] || e2e_fail "the inside of a Unix-named folder was swept"
[[ "$(ls -A "$temp/held_dir")" == held.log && "$(cat "$temp/held_dir/held.log")" == "in use" ]] ||
  e2e_fail "the held file was changed"
kill -0 "$holder_pid" 2>/dev/null || e2e_fail "the holder ended early, so the file was not held throughout"
held_attrs=$(attrib_letters "$held_win\\held.log") folder_attrs=$(attrib_letters "$held_win")
[[ "$held_attrs" == *R* && "$held_attrs" == *H* ]] || e2e_fail "the held file lost its attributes: '$held_attrs', expected read-only and hidden"
[[ "$folder_attrs" == *H* ]] || e2e_fail "the folder holding it lost its attributes: '$folder_attrs', expected hidden"
after=$(snapshot)
[[ "$before" == "$after" ]] || e2e_fail "something outside Temp changed: $({ diff <(echo "$before") <(echo "$after") || true; } | tr '\n' ' ')"
[[ "$(cd "$WINEPREFIX/drive_c/windows" && find . -maxdepth 2 | sort | sha256sum)" == "$windows_before" ]] ||
  e2e_fail "C:\\windows changed"
[[ "$(stat -c %a "$outside/hard_ro.txt")" == 444 && "$(stat -c %h "$outside/hard_ro.txt")" == 2 ]] ||
  e2e_fail "the read-only file with a name in Temp lost its protection or its name"
[[ "$(stat -c %h "$outside/hard_rw.txt")" == 1 ]] || e2e_fail "the writable file's second name in Temp stayed"
visible=$(drv windows | awk '$2 == "visible=1" { print $1 }' | sort | paste -sd' ')
[[ "$visible" == Form1 ]] || e2e_fail "expected only Form1 on screen after Clean Junk, visible: '$visible'"
e2e_screenshot after_hostile_clean

# Temp as a link to the user's profile: refused, nothing in the profile changes.
mv "$temp" "$profile/Temp.real"
ln -s "$profile" "$temp"
profile_before=$(cd "$profile" && find . -path ./Temp.real -prune -o -printf '%p %m %s\n' | sort)
drv click Form1 Command63
sleep 2
drv wait-window frmMain hidden 1000 >/dev/null || e2e_fail "frmMain came back on screen"
profile_after=$(cd "$profile" && find . -path ./Temp.real -prune -o -printf '%p %m %s\n' | sort)
[[ "$profile_before" == "$profile_after" ]] || e2e_fail "a Temp linked to the profile was swept"

# Temp as a link to another folder named Temp: swept where it leads.
rm "$temp"
mkdir -p "$WINEPREFIX/drive_c/elsewhere/Temp/sub"
echo junk >"$WINEPREFIX/drive_c/elsewhere/Temp/sub/x.tmp"
ln -s "$WINEPREFIX/drive_c/elsewhere/Temp" "$temp"
drv click Form1 Command63
e2e_wait_for 60 test ! -e "$WINEPREFIX/drive_c/elsewhere/Temp/sub" || e2e_fail "a Temp linked to another Temp was not swept"
[[ -L "$temp" && -d "$WINEPREFIX/drive_c/elsewhere/Temp" ]] || e2e_fail "the Temp link or its target went"

grep -q '^Form1 visible=1' <<<"$(drv windows)" || e2e_fail "the widget is gone"
drv click Form1 Command1
e2e_expect_exit 0 20
