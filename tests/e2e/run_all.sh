#!/usr/bin/env bash
# Runs the end-to-end scenarios, each in its own process with its own display, Wine prefix
# and wineserver, one after another (they are heavy on a small machine).
#   tests/e2e/run_all.sh                 every tests/e2e/scenarios/*.sh, sorted, then every
#                                        tests/e2e/tooling/*.sh (the run script, the packages)
#   tests/e2e/run_all.sh start tray      only those whose file name contains a pattern
# Environment: E2E_SCENARIO_TIMEOUT (seconds per scenario, default 240), E2E_WIN_BUILD
# (folder with sparvane.exe and sparvane-driver.exe, default build/windows).
# Artifacts (screenshots, logs) are kept in artifacts/e2e/. Exit status 1 if any fails.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

timeout_s=${E2E_SCENARIO_TIMEOUT:-240}
logs=$E2E_ARTIFACTS_ROOT/logs

scenarios=()
for file in "$here"/scenarios/*.sh "$here"/tooling/*.sh; do
  [[ -f "$file" ]] || continue
  name=$(basename "$file" .sh)
  if (($# > 0)); then
    match=0
    for pattern in "$@"; do [[ "$name" == *"$pattern"* ]] && match=1; done
    ((match)) || continue
  fi
  scenarios+=("$file")
done
if ((${#scenarios[@]} == 0)); then
  echo "run_all: no scenario matches: $*" >&2
  exit 1
fi

for f in sparvane.exe sparvane-driver.exe; do
  [[ -f "$E2E_WIN_BUILD/$f" ]] || { echo "run_all: missing $E2E_WIN_BUILD/$f (cmake --preset windows && cmake --build --preset windows)" >&2; exit 1; }
done

# A whole run starts from clean artifacts; a selection keeps the others' results.
(($# == 0)) && rm -rf "$E2E_ARTIFACTS_ROOT"
mkdir -p "$logs"

# One template prefix per run, made before the first scenario needs it. It is this run's
# own, so that runs started side by side never copy a template another run is replacing.
export E2E_TEMPLATE=${E2E_TEMPLATE%/}-run$$
trap 'rm -rf "$E2E_TEMPLATE" "$E2E_TEMPLATE.lock"' EXIT
e2e_make_template || { echo "run_all: could not create the Wine prefix template" >&2; exit 1; }

# A scenario killed by its time-out may leave its wineserver, Xvfb and network namespaces
# behind.
cleanup_leftovers() {
  local state E2E_TMP= E2E_XVFB_PID= WINEPREFIX= E2E_NETNS= ns
  for state in "$E2E_ARTIFACTS_ROOT"/*/.e2e-state; do
    [[ -f "$state" ]] || continue
    E2E_NETNS=
    # shellcheck disable=SC1090
    source "$state"
    [[ -n "$WINEPREFIX" && -d "$WINEPREFIX" ]] && WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
    [[ -n "$E2E_XVFB_PID" ]] && kill "$E2E_XVFB_PID" 2>/dev/null
    for ns in $E2E_NETNS; do ip netns del "$ns" 2>/dev/null; done
    case "$E2E_TMP" in "${TMPDIR:-/tmp}"/sparvane-e2e.*) rm -rf "$E2E_TMP" ;; esac
    rm -f "$state"
  done
}

passed=() failed=()
for file in "${scenarios[@]}"; do
  name=$(basename "$file" .sh)
  log=$logs/$name.log
  start=$SECONDS
  printf '%-40s ' "$name"
  timeout -k 30 "$timeout_s" bash "$file" >"$log" 2>&1
  status=$?
  cleanup_leftovers
  took=$((SECONDS - start))
  if ((status == 0)); then
    echo "PASS (${took} s)"
    passed+=("$name")
  else
    reason="status $status"
    ((status == 124 || status == 137)) && reason="timed out after ${timeout_s} s"
    echo "FAIL ($reason, ${took} s)"
    failed+=("$name")
    sed 's/^/    | /' "$log" | tail -n 25
  fi
done

echo
echo "e2e: ${#passed[@]} passed, ${#failed[@]} failed of ${#scenarios[@]}; logs and screenshots in ${E2E_ARTIFACTS_ROOT#"$E2E_ROOT"/}/"
((${#failed[@]} == 0)) || { printf '  failed: %s\n' "${failed[@]}"; exit 1; }
exit 0
