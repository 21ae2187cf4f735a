#!/usr/bin/env bash
# The README's first command, as a new user meets it: scripts/run.sh with no display and no
# prefix template yet, left running until its live screenshot shows the widget, then
# stopped with Ctrl+C. Nothing it started may keep running afterwards.
source "$(dirname "$0")/../lib.sh"
e2e_begin run_script 1600x900

live=$E2E_ROOT/artifacts/live
rm -f "$live/screen.png"
mark=sparvane-run-check-$$-$RANDOM
mkdir -p "$E2E_TMP/fresh"

# Job control puts run.sh in a process group of its own, as a terminal would, and keeps
# SIGINT from being ignored the way it is for a plain background job.
set -m
env -u DISPLAY SPARVANE_RUN_MARK="$mark" TMPDIR="$E2E_TMP/fresh" \
  E2E_TEMPLATE="$E2E_TMP/fresh/template" SPARVANE_SHOT_INTERVAL=2 \
  "$E2E_ROOT/scripts/run.sh" >"$E2E_ARTIFACTS/run.log" 2>&1 &
run_pid=$!
set +m

# Every process started by run.sh carries the mark in its environment.
marked_pids() {
  local f pid
  for f in /proc/[0-9]*/environ; do
    pid=${f#/proc/}
    pid=${pid%/environ}
    # Other users' processes and those just gone cannot be read; they are not ours.
    { tr '\0' '\n' <"$f"; } 2>/dev/null | grep -qx "SPARVANE_RUN_MARK=$mark" && echo "$pid"
  done
  return 0
}

# The widget's green frame down its left and right edges, the desktop beside it.
pixel() { convert "$1" -format "%[pixel:p{$2}]" info: 2>/dev/null; }
widget_shown() {
  local shot=$E2E_ARTIFACTS/screen.png
  cp "$live/screen.png" "$shot" 2>/dev/null || return 1
  [[ $(pixel "$shot" 1184,50) == "srgb(0,128,0)" && $(pixel "$shot" 1184,250) == "srgb(0,128,0)" &&
     $(pixel "$shot" 1256,150) == "srgb(0,128,0)" && $(pixel "$shot" 1150,150) != "srgb(0,128,0)" ]]
}
deadline=$((SECONDS + 180))
until widget_shown; do
  kill -0 "$run_pid" 2>/dev/null || { cat "$E2E_ARTIFACTS/run.log" >&2; e2e_fail "run.sh ended before the widget was shown"; }
  ((SECONDS < deadline)) || e2e_fail "no screenshot with the widget within 180 s"
  sleep 1
done
echo "widget seen in the live screenshot; processes of the run: $(marked_pids | wc -l)"

kill -INT -- "-$run_pid"
status=0
for ((i = 0; i < 60; i++)); do kill -0 "$run_pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$run_pid" 2>/dev/null && e2e_fail "run.sh still running 30 s after Ctrl+C"
wait "$run_pid" || status=$?
cat "$E2E_ARTIFACTS/run.log"
((status == 130)) || e2e_fail "run.sh ended with status $status after Ctrl+C, expected 130"
grep -q "run: stopped" "$E2E_ARTIFACTS/run.log" || e2e_fail "run.sh did not report its stop"

left=$(marked_pids | paste -sd' ')
[[ -z "$left" ]] || e2e_fail "still running after Ctrl+C: $(ps -o pid=,args= -p "${left// /,}")"
leftover=$(find "$E2E_TMP/fresh" -maxdepth 1 -name 'sparvane-run.*')
[[ -z "$leftover" ]] || e2e_fail "scratch folder left behind: $leftover"
