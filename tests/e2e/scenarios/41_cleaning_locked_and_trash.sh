#!/usr/bin/env bash
# A file that another program holds open without sharing stays in the temporary folder
# while everything else there goes, and the recycle bin (the scratch HOME's Trash, which
# is every drive's bin under Wine) is emptied by Clean Junk.
source "$(dirname "$0")/../lib.sh"
e2e_begin cleaning_locked_and_trash

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
temp=$WINEPREFIX/drive_c/users/$user/Temp
wtemp="C:\\users\\$user\\Temp"
mkdir -p "$temp/held_dir" "$temp/other/deeper"
echo junk >"$temp/other/deeper/a.tmp"
echo junk >"$temp/b.tmp"
echo "in use" >"$temp/held_dir/held.log"

# A small Windows program that opens the file with no sharing at all and keeps it open
# until it is ended. A Linux process holding the file would not lock it for Wine.
cat >"$E2E_TMP/holdfile.c" <<'C'
#include <windows.h>
int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    HANDLE h = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE) return 1;
    HANDLE ready = CreateFileW(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    CloseHandle(ready);
    Sleep(600000);
    CloseHandle(h);
    return 0;
}
C
x86_64-w64-mingw32-gcc -municode -O2 -o "$E2E_TMP/holdfile.exe" "$E2E_TMP/holdfile.c" ||
  e2e_fail "cannot build the file holder"
cp "$E2E_TMP/holdfile.exe" "$WINEPREFIX/drive_c/holdfile.exe"
wine 'C:\holdfile.exe' "$wtemp\\held_dir\\held.log" 'C:\holder.ready' >/dev/null 2>&1 &
holder_pid=$!
e2e_wait_for 30 test -e "$WINEPREFIX/drive_c/holder.ready"

# Items in the recycle bin: files with their .trashinfo records, as the desktop writes them.
trash=$HOME/.local/share/Trash
mkdir -p "$trash/files" "$trash/info"
for name in old_report.txt photo.jpg; do
  echo "deleted earlier" >"$trash/files/$name"
  printf '[Trash Info]\nPath=/tmp/%s\nDeletionDate=2024-01-01T10:00:00\n' "$name" >"$trash/info/$name.trashinfo"
done

e2e_start_program
drv click Form1 Command63

e2e_wait_for 60 test ! -e "$temp/b.tmp"
e2e_wait_for 30 test ! -e "$temp/other"
e2e_wait_for 30 bash -c "[[ -z \"\$(ls -A '$trash/files')\" ]]"
left=$(cd "$temp" && find . -mindepth 1 | sort | paste -sd' ')
[[ "$left" == "./held_dir ./held_dir/held.log" ]] || e2e_fail "temp holds '$left', expected only the held file and its folder"
[[ "$(cat "$temp/held_dir/held.log")" == "in use" ]] || e2e_fail "the held file was changed"
kill -0 "$holder_pid" 2>/dev/null || e2e_fail "the holder ended early, so the file was not held throughout"
echo "left in temp: $left; trash files: $(ls -A "$trash/files" | wc -l)"

e2e_screenshot after_clean_junk
drv click Form1 Command1
e2e_expect_exit 0 20
