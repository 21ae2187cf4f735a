#!/usr/bin/env bash
# The release packages as a user meets them. The MSI, installed quietly over an older
# version, replaces it: one Apps & Features entry with this version, the program in
# C:\Program Files\Sparvane, a Start-menu shortcut that starts it. A downgrade is refused.
# Auto-start switched on, the quiet uninstall through the entry's product code takes
# everything away again: files, folder, shortcut, entry, the installer's icon copy, the
# user's Run value the program wrote and the machine-wide one an older version wrote. The
# zip's exe then runs from a folder of the user's choice.
# The prefix starts without the copy of the program the harness puts in Program Files.
source "$(dirname "$0")/../lib.sh"
e2e_begin package_install

UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
build=$E2E_WIN_BUILD
drive_c=$WINEPREFIX/drive_c
install_dir="$drive_c/Program Files/Sparvane"

# The packages of this build (a no-op when scripts/package.sh or an earlier run made them).
if [[ -f "$build/CMakeCache.txt" ]]; then
  cmake --build "$build" --target packages >"$E2E_ARTIFACTS/packages-build.log" 2>&1 ||
    e2e_fail "building the packages failed: $(tail -n 5 "$E2E_ARTIFACTS/packages-build.log")"
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || e2e_fail "no project version in $build/CMakeCache.txt"
msi=$build/dist/sparvane-$version-win64.msi
zip=$build/dist/sparvane-$version-win64.zip
[[ -f "$msi" && -f "$zip" ]] || e2e_fail "missing $msi or $zip"
echo "packages: $(stat -c '%n %s' "$msi" "$zip" | paste -sd' ')"

# The driver moves out of the install folder, which then goes.
mkdir -p "$drive_c/e2e"
mv "$E2E_DRIVER_UNIX" "$drive_c/e2e/sparvane-driver.exe"
export E2E_DRIVER_UNIX=$drive_c/e2e/sparvane-driver.exe
rm -rf "$install_dir"

# An older version of the same package: the same source with a lower version.
old_version=1.0.0
cp -r "$build/package/msi" "$E2E_TMP/old"
(cd "$E2E_TMP/old" && wixl -a x64 -D Version=$old_version -o "$drive_c/e2e/old.msi" sparvane.wxs) \
  >"$E2E_ARTIFACTS/old-msi.log" 2>&1 || e2e_fail "wixl could not build the older package"
cp "$msi" "$drive_c/e2e/sparvane.msi"

msiexec() { timeout 120 wine msiexec "$@" >>"$E2E_ARTIFACTS/msiexec.log" 2>&1; }

# Registry keys of the Apps & Features entries named Sparvane, one a line.
sparvane_entries() {
  timeout 60 wine reg query "$UNINSTALL_KEY" /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY_/ { key = $0 } /^ +DisplayName +REG_SZ +Sparvane$/ { print key }'
}
# entry_value KEY NAME: the data of one value of an entry.
entry_value() {
  timeout 60 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -nE "s/^ +$2 +REG_[A-Z_]+ {4}//p"
}
# Windows puts a per-machine package's ProgramMenuFolder in ProgramData; Wine 8's installer
# always uses the user's Start menu. Either place counts, once.
shortcuts() { find "$drive_c/ProgramData" "$drive_c/users" -path '*/Start Menu/*' -iname 'Sparvane*.lnk' 2>/dev/null; }

[[ ! -e "$install_dir" ]] || e2e_fail "the prefix still holds $install_dir"
[[ -z "$(sparvane_entries)" ]] || e2e_fail "the fresh prefix already has a Sparvane entry"

# Older version, then this one over it. (The Run value is switched on only after the
# upgrade: Wine 8 removes the old version without UPGRADINGPRODUCTCODE, so there the
# upgrade also drops auto-start, which Windows keeps.)
msiexec /i 'C:\e2e\old.msi' /qn || e2e_fail "msiexec /i of version $old_version failed"
old_key=$(sparvane_entries)
[[ $(wc -l <<<"$old_key") == 1 && "$(entry_value "$old_key" DisplayVersion)" == "$old_version" ]] ||
  e2e_fail "after installing $old_version the entries are: '$old_key'"
msiexec /i 'C:\e2e\sparvane.msi' /qn || e2e_fail "msiexec /i of version $version failed"

key=$(sparvane_entries)
[[ -n "$key" && $(wc -l <<<"$key") == 1 ]] || e2e_fail "expected one Sparvane entry after the upgrade, found: '$key'"
[[ "$key" != "$old_key" ]] || e2e_fail "the upgrade kept the entry of version $old_version"
product=${key##*\\}
[[ "$product" =~ ^\{[0-9A-F-]{36}\}$ ]] || e2e_fail "entry key '$key' is not a product code"
declare -A expected=(
  [DisplayVersion]=$version
  [Publisher]='the Sparvane team'
  [UninstallString]="MsiExec.exe /X$product"
  [InstallLocation]='C:\Program Files\Sparvane\'
)
for name in "${!expected[@]}"; do
  got=$(entry_value "$key" "$name")
  [[ "$got" == "${expected[$name]}" ]] || e2e_fail "entry $name is '$got', expected '${expected[$name]}'"
done
timeout 60 wine reg query "$key" >"$E2E_ARTIFACTS/uninstall_entry.txt" 2>&1
echo "entry: $key, version $version"

# Downgrading is refused and leaves this version in place.
if msiexec /i 'C:\e2e\old.msi' /qn; then e2e_fail "installing $old_version over $version succeeded"; fi
[[ "$(sparvane_entries)" == "$key" ]] || e2e_fail "the refused downgrade changed the entries"

# Files, the installer's copy of the icon (shown by Apps & Features), the shortcut.
cmp -s "$build/sparvane.exe" "$install_dir/sparvane.exe" || e2e_fail "installed sparvane.exe differs from the build"
# The version record (FileVersion and ProductVersion) carries the entry's version.
records=$(strings -el "$install_dir/sparvane.exe" | grep -cx "$version" || true)
((records >= 2)) || e2e_fail "the installed exe's version record does not say $version"
for f in README.txt LICENSE; do [[ -s "$install_dir/$f" ]] || e2e_fail "$f not installed"; done
[[ -s "$drive_c/windows/Installer/$product/sparvane.ico" ]] || e2e_fail "no product icon for Apps & Features"
lnk=$(shortcuts)
[[ -n "$lnk" && $(wc -l <<<"$lnk") == 1 ]] || e2e_fail "expected one Start-menu shortcut, found: '$lnk'"
echo "shortcut: ${lnk#"$drive_c"/}"

# The shortcut starts the installed program (start.exe opens it as Explorer would).
lnk_win="C:\\$(tr / '\\' <<<"${lnk#"$drive_c"/}")"
timeout 200 wine start /wait "$lnk_win" >"$E2E_ARTIFACTS/program.log" 2>&1 &
APP_PID=$!
e2e_wait_for 60 drv wait-window Form1 visible 1000 >/dev/null
e2e_screenshot installed_widget

# Auto-start on, as the widget's green box does it.
drv click Form1 Picture1
[[ "$(drv msgbox 30000)" == 'Sparvane|Run on windows startup' ]] || e2e_fail "no auto-start question"
drv answer OK
[[ "$(drv msgbox 30000)" == 'Sparvane|Sparvane will now auto start on windows logon' ]] ||
  e2e_fail "no auto-start report"
drv answer OK
value=$(e2e_run_value) || e2e_fail "no HKCU Sparvane Run value after switching auto-start on"
[[ "$value" == '"C:\Program Files\Sparvane\sparvane.exe"' ]] || e2e_fail "HKCU Run value is '$value'"
drv click Form1 Command1
e2e_expect_exit 0 20
# The machine-wide value as versions before the per-user switch wrote it.
e2e_set_run_value HKLM 'C:\Sparvane\spv.exe'

# Uninstall, as Apps & Features does it: by the entry's product code.
msiexec /x "$product" /qn || e2e_fail "msiexec /x $product failed"
left=()
[[ ! -e "$install_dir" ]] || left+=("$(ls -A "$install_dir" | paste -sd' ') in Program Files\\Sparvane")
[[ -z "$(shortcuts)" ]] || left+=("shortcut $(shortcuts)")
[[ -z "$(sparvane_entries)" ]] || left+=("entry $(sparvane_entries)")
[[ ! -e "$drive_c/windows/Installer/$product" ]] || left+=("C:\\windows\\Installer\\$product")
for root in HKCU HKLM; do
  if value=$(e2e_run_value $root); then left+=("$root Run value Sparvane='$value'"); fi
done
((${#left[@]} == 0)) || e2e_fail "left after uninstall: ${left[*]}"
echo "uninstalled: nothing left"

# The zip: exactly its three files; its exe runs from a folder with a space and a non-ASCII
# name, and installs nothing.
listing=$(cmake -E tar tf "$zip" | sort | paste -sd' ')
[[ "$listing" == "LICENSE README.txt sparvane.exe" ]] || e2e_fail "zip holds '$listing'"
portable="$drive_c/Tools/Sparvane portátil"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")
export E2E_EXE_UNIX=$portable/sparvane.exe E2E_EXE_WIN='C:\Tools\Sparvane portátil\sparvane.exe'
e2e_start_program
e2e_screenshot portable_widget
drv click Form1 Command1
e2e_expect_exit 0 20
[[ ! -e "$install_dir" && -z "$(sparvane_entries)" ]] || e2e_fail "the portable exe installed something"
echo "portable: ran from ${E2E_EXE_WIN}"
