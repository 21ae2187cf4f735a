#!/usr/bin/env bash
# Builds the release packages from this checkout into dist/:
#   dist/sparvane-<version>-win64.zip   sparvane.exe, README.txt, LICENSE (runs from any folder)
#   dist/sparvane-<version>-win64.msi   installer for C:\Program Files\Sparvane (made by wixl)
# The version is the project version in CMakeLists.txt. Installs what it needs (MinGW-w64,
# wixl) through install-deps.sh, builds the windows preset's `packages` target and copies
# its two files here. Works from a clean clone.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target packages

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
[[ -n "$version" ]] || { echo "package: no project version in build/windows/CMakeCache.txt" >&2; exit 1; }
rm -rf dist
mkdir -p dist
for ext in zip msi; do
  file=sparvane-$version-win64.$ext
  cp "build/windows/dist/$file" "dist/$file"
  bytes=$(stat -c %s "dist/$file")
  printf 'package: dist/%s  %d bytes (%d KiB)\n' "$file" "$bytes" $(((bytes + 1023) / 1024))
done
