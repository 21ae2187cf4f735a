#!/usr/bin/env bash
# Everything the project checks, in one command: the include layering, the formatting,
# native unit suites (plain and under AddressSanitizer + UBSan), the Windows build
# (sparvane.exe and the e2e driver) and the end-to-end scenarios under Wine.
# Warnings are errors in every build.
#   scripts/test.sh                 all of it
#   scripts/test.sh PATTERN...      all unit suites, then only the e2e scenarios whose
#                                   file name contains a pattern
# Exits non-zero if any step fails; later steps still run where they can.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh || exit 1

failures=()
step() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then
    return 0
  fi
  echo "== $name: FAILED" >&2
  failures+=("$name")
  return 1
}

# Warnings are errors here (SPARVANE_WERROR), for every target of both builds.
unit() { cmake --preset native -DSPARVANE_WERROR=ON && cmake --build --preset native && ctest --preset native; }
windows() { cmake --preset windows -DSPARVANE_WERROR=ON && cmake --build --preset windows; }
# The unit suites once more, built with AddressSanitizer and UBSan (any report fails them).
sanitized() { cmake --preset asan -DSPARVANE_WERROR=ON && cmake --build --preset asan && ctest --preset asan; }

step "include layering" python3 scripts/check-includes.py
step "formatting" scripts/format.sh --check
step "unit suites (native)" unit
step "unit suites (AddressSanitizer + UBSan)" sanitized
if step "windows build" windows; then
  step "import table" scripts/check-imports.sh
  step "end-to-end scenarios (Wine)" tests/e2e/run_all.sh "$@"
else
  failures+=("end-to-end scenarios (not run: no windows build)")
fi

echo
if ((${#failures[@]} > 0)); then
  printf 'test.sh: FAILED: %s\n' "${failures[@]}" >&2
  exit 1
fi
echo "test.sh: all passed"
