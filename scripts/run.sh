#!/usr/bin/env bash
# Builds sparvane.exe and runs it under Wine.
#   scripts/run.sh          on $DISPLAY when one is set, else on a private Xvfb screen
# Wine always gets a scratch HOME and a throwaway prefix (copied from the e2e template):
# the program empties the recycle bin, which Wine maps to $HOME/.local/share/Trash, so it
# must never see the user's real HOME. Everything is removed again on exit.
# Without a display, a screenshot of the running program is refreshed every few seconds
# in artifacts/live/screen.png. Ctrl+C stops it all.
# Environment: SPARVANE_DESKTOP (virtual desktop size, default 1600x900),
#              SPARVANE_SHOT_INTERVAL (seconds between screenshots, default 3).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
desktop=${SPARVANE_DESKTOP:-1600x900}
interval=${SPARVANE_SHOT_INTERVAL:-3}
[[ "$desktop" =~ ^[0-9]+x[0-9]+$ ]] || { echo "SPARVANE_DESKTOP must look like 1600x900" >&2; exit 2; }

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target sparvane

# shellcheck source=../tests/e2e/lib.sh
source tests/e2e/lib.sh
e2e_make_template

live=$root/artifacts/live
mkdir -p "$live"
work=$(mktemp -d "${TMPDIR:-/tmp}/sparvane-run.XXXXXX")
E2E_XVFB_PID=
shooter_pid=
app_pid=

stop() {
  trap - EXIT INT TERM
  set +e
  if [[ -n "$shooter_pid" ]]; then
    kill "$shooter_pid" 2>/dev/null
    wait "$shooter_pid" 2>/dev/null
  fi
  WINEPREFIX=$work/home/prefix wineserver -k 2>/dev/null
  WINEPREFIX=$work/home/prefix timeout 10 wineserver -w 2>/dev/null
  [[ -n "$app_pid" ]] && wait "$app_pid" 2>/dev/null
  _e2e_stop_xvfb
  rm -rf "$work"
  echo "run: stopped (Wine ended, scratch prefix removed)" >&2
}
trap stop EXIT
trap 'exit 130' INT TERM

user_display=${DISPLAY:-}
_e2e_scratch_env "$work/home"
export WINEPREFIX=$work/home/prefix
cp -a "$E2E_TEMPLATE" "$WINEPREFIX"
rm -f "$WINEPREFIX/.ready"
sed -i "s/^\"Default\"=\"$E2E_DEFAULT_SIZE\"/\"Default\"=\"$desktop\"/" "$WINEPREFIX/user.reg"

dir="$WINEPREFIX/drive_c/Program Files/Sparvane"
mkdir -p "$dir"
cp build/windows/sparvane.exe "$dir/"

if [[ -n "$user_display" ]]; then
  export DISPLAY=$user_display
  echo "run: Sparvane on $DISPLAY (Wine virtual desktop $desktop). Ctrl+C stops it."
else
  _e2e_start_xvfb "$desktop" "$work"
  echo "run: no DISPLAY; Sparvane runs on a private Xvfb screen ($DISPLAY, $desktop)."
  echo "run: a screenshot is refreshed every ${interval} s in ${live#"$root"/}/screen.png"
  echo "run: Ctrl+C stops it (ends Wine and Xvfb)."
  (
    # Sleeps in the background so that a TERM from stop() ends the sleep too: nothing of
    # the shooter outlives the run.
    nap=
    trap '[[ -n "$nap" ]] && kill "$nap" 2>/dev/null; exit 0' TERM
    while sleep "$interval" & nap=$! && wait "$nap"; do
      nap=
      timeout 20 import -display "$DISPLAY" -window root "$live/.screen.png" 2>/dev/null &&
        mv -f "$live/.screen.png" "$live/screen.png"
    done
  ) &
  shooter_pid=$!
fi

(cd "$dir" && exec wine 'C:\Program Files\Sparvane\sparvane.exe') >"$live/wine.log" 2>&1 &
app_pid=$!
echo "run: Wine's output goes to ${live#"$root"/}/wine.log"
status=0
wait "$app_pid" || status=$?
app_pid=
echo "run: sparvane.exe ended with status $status"
exit "$status"
