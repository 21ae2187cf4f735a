#!/usr/bin/env bash
# clang-format (settings in .clang-format) over every C++ file of the tree.
#   scripts/format.sh           reformat the files in place
#   scripts/format.sh --check   change nothing; fail and name the files that are not formatted
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

command -v clang-format >/dev/null || { echo "clang-format is missing (apt-get install clang-format)" >&2; exit 1; }
mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)

if [[ ${1:-} == --check ]]; then
  unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -E '^[^ ].*: warning:' | cut -d: -f1 | sort -u || true)
  if [[ -n $unformatted ]]; then
    sed 's/^/not formatted (scripts\/format.sh fixes it): /' <<<"$unformatted" >&2
    exit 1
  fi
  echo "formatted: ${#files[@]} files"
  exit 0
fi
clang-format -i "${files[@]}"
