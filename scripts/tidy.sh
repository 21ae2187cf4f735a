#!/usr/bin/env bash
# clang-tidy with the checks in .clang-tidy over every source file of both builds: the
# portable code, fakes, unit suites and benchmarks from the native build, the Win32 backend,
# the entry point, the e2e driver and the Windows benchmarks from the MinGW build.
#   scripts/tidy.sh              all files (about 15 minutes on two cores)
#   scripts/tidy.sh PATTERN...   only files whose path contains a pattern
# Exits non-zero when clang-tidy reports anything.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

command -v clang-tidy >/dev/null || { echo "clang-tidy is missing (apt-get install clang-tidy)" >&2; exit 1; }
cmake --preset native >/dev/null || exit 1
cmake --preset windows >/dev/null || exit 1

# clang finds the MinGW headers from the compiler's name, but not g++'s C++ library:
# hand it g++'s own C++ include folders (not gcc's intrinsics, clang brings its own).
mingw_args=()
while read -r dir; do
  mingw_args+=("--extra-arg=-isystem$dir")
done < <(echo | x86_64-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 |
  sed -n '/#include <...> search starts/,/End of search/p' | grep '^ /.*include/c++' | sed 's/^ //')

# One line per file: "<build folder> <file>"; a file in both builds is checked in the native one.
list_files() {
  python3 - "$@" <<'EOF'
import json, sys
patterns = sys.argv[1:]
seen = set()
for build in ("native", "windows"):
    for entry in json.load(open(f"build/{build}/compile_commands.json")):
        path = entry["file"]
        if not path.endswith(".cpp") or path in seen or "/_deps/" in path:
            continue
        seen.add(path)
        if not patterns or any(p in path for p in patterns):
            print(build, path)
EOF
}

export TIDY_MINGW_ARGS="${mingw_args[*]}"
report=$(mktemp)
trap 'rm -f "$report"' EXIT
# shellcheck disable=SC2016,SC2086
list_files "$@" | xargs -P "$(nproc)" -L 1 sh -c '
  extra=""
  [ "$0" = windows ] && extra=$TIDY_MINGW_ARGS
  clang-tidy --quiet -p "build/$0" $extra "$1" 2>/dev/null
  exit 0' >"$report"

# Findings in headers repeat for every file including them.
findings=$(grep -E '^[^ ].*: (warning|error):' "$report" | sort -u)
if [ -n "$findings" ]; then
  grep -v '^$' "$report" | awk '!seen[$0]++'
  echo "== clang-tidy: $(printf '%s\n' "$findings" | wc -l) findings" >&2
  exit 1
fi
echo "== clang-tidy: clean ($(list_files "$@" | wc -l) files)"
