#!/usr/bin/env bash
# Fails when sparvane.exe imports a DLL that is not on Windows' KnownDLLs list (or Common
# Controls, which the manifest takes from the side-by-side store): Windows looks for any
# other DLL in the exe's own folder first, so a file saved beside it would be loaded.
#   scripts/check-imports.sh [EXE]     default build/windows/sparvane.exe
set -euo pipefail
exe=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/windows/sparvane.exe}
allowed='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|ole32|oleaut32|msvcrt|comdlg32|ws2_32|shcore|comctl32)\.dll$'
bad=0
while read -r dll; do
  if ! [[ "${dll,,}" =~ $allowed ]]; then
    echo "check-imports: $exe imports $dll, which Windows would look for beside the exe" >&2
    bad=1
  fi
done < <(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
((bad == 0)) && echo "check-imports: only KnownDLLs and Common Controls are imported"
exit $bad
