# shellcheck shell=bash
# End-to-end library: runs the real sparvane.exe under Wine in its own Xvfb display and its
# own throwaway Wine prefix, and drives it with sparvane-driver.exe. Source it from a
# scenario (tests/e2e/scenarios/NN_name.sh) and call e2e_begin first.
#
# Everything under Wine uses a scratch HOME: a fresh prefix links Desktop, Documents, ...
# to $HOME, and the recycle bin Wine empties is $HOME/.local/share/Trash. The user's own
# HOME is never seen by Wine here.
#
# Sourcing defines functions only; e2e_begin switches on the scenario's shell options.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_WIN_BUILD=${E2E_WIN_BUILD:-$E2E_ROOT/build/windows}       # where the windows preset builds
E2E_ARTIFACTS_ROOT=${E2E_ARTIFACTS_ROOT:-$E2E_ROOT/artifacts/e2e}
E2E_TEMPLATE=${E2E_TEMPLATE:-$E2E_ROOT/build/e2e/template}     # the prefix copied per scenario
E2E_DEFAULT_SIZE=1600x900
E2E_WINE_DLL_OVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

_e2e_log() { printf '[e2e %s] %s\n' "${E2E_NAME:-setup}" "$*" >&2; }

# Keeps Wine, and anything that follows the XDG rules, inside the scratch HOME.
_e2e_scratch_env() {
  local home=$1
  export HOME=$home
  export XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
         XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/.run
  mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export WINEDEBUG=${E2E_WINEDEBUG:--all} WINEDLLOVERRIDES=$E2E_WINE_DLL_OVERRIDES
}

# Starts Xvfb on a display it picks itself (-displayfd, so two runs never race for one).
# Sets E2E_XVFB_PID and exports DISPLAY.
_e2e_start_xvfb() {
  local size=$1 dir=$2
  Xvfb -displayfd 9 -screen 0 "${size}x24" -nolisten tcp 9>"$dir/xvfb.display" >"$dir/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do
    if [[ -s "$dir/xvfb.display" ]]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$dir/xvfb.display")"
      return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  _e2e_log "Xvfb did not start: $(cat "$dir/xvfb.log" 2>/dev/null)"
  return 1
}

_e2e_stop_xvfb() {
  [[ -n ${E2E_XVFB_PID:-} ]] || return 0
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  local i
  for ((i = 0; i < 50; i++)); do
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=
}

# Waits (bounded) for the prefix's wineserver to end; kills it if it will not.
_e2e_wineserver_down() {
  timeout 30 wineserver -w 2>/dev/null || { wineserver -k 2>/dev/null; timeout 10 wineserver -w 2>/dev/null; } || true
}

# Creates the template prefix once: wineboot, the virtual desktop, no crash dialog, and
# plain folders where a fresh prefix links the user folders to HOME. Safe to call from
# several scenarios at once (flock); does nothing when the template is ready.
e2e_make_template() {
  mkdir -p "$(dirname "$E2E_TEMPLATE")"
  (
    flock -w 300 8 || { echo "e2e: template lock busy" >&2; exit 1; }
    [[ -f "$E2E_TEMPLATE/.ready" ]] && exit 0
    # The work runs without the lock's descriptor: Xvfb and wineserver outlive commands,
    # and a copy of the descriptor in them would hold the lock for everyone else.
    _e2e_build_template 8>&-
  ) 8>"$E2E_TEMPLATE.lock"
}

_e2e_build_template() {
  (
    rm -rf "$E2E_TEMPLATE"
    mkdir -p "$E2E_TEMPLATE"
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/sparvane-template.XXXXXX")
    # Cleans up after a failure as well; the template only counts once .ready exists.
    trap 'WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true; _e2e_stop_xvfb; rm -rf "$work"' EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT
    _e2e_scratch_env "$work/home"
    export WINEPREFIX=$work/prefix
    _e2e_start_xvfb "$E2E_DEFAULT_SIZE" "$work" || exit 1
    echo "e2e: creating the Wine prefix template (about 15 s)" >&2
    timeout 180 wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
    timeout 120 wineserver -w || true
    local reg=(timeout 60 wine reg add)
    "${reg[@]}" 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null &&
      "${reg[@]}" 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$E2E_DEFAULT_SIZE" /f >/dev/null &&
      "${reg[@]}" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null ||
      { echo "e2e: reg add failed" >&2; exit 1; }
    _e2e_wineserver_down
    # The user folders are links to the HOME used while booting; make them real folders
    # of the prefix, so that no copy ever reaches outside its own scratch tree.
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
      [[ -L "$link" ]] || continue
      rm -f "$link" && mkdir -p "$link"
    done
    cp -a "$WINEPREFIX/." "$E2E_TEMPLATE/"
    touch "$E2E_TEMPLATE/.ready"
  )
}

# e2e_begin NAME [WIDTHxHEIGHT [DESKTOP]]: the X screen's size, and the Wine desktop's at
# start if smaller (a resolution change may then grow it up to the screen's).
e2e_begin() {
  set -Eeuo pipefail
  E2E_NAME=$1
  local size=${2:-$E2E_DEFAULT_SIZE}
  local desktop=${3:-$size}
  [[ "$size $desktop" =~ ^[0-9]+x[0-9]+\ [0-9]+x[0-9]+$ ]] ||
    { echo "e2e_begin: bad size $size $desktop" >&2; exit 2; }
  export E2E_NAME E2E_SIZE=$size
  export E2E_ARTIFACTS=$E2E_ARTIFACTS_ROOT/$E2E_NAME
  rm -rf "$E2E_ARTIFACTS"
  mkdir -p "$E2E_ARTIFACTS"

  local exe=$E2E_WIN_BUILD/sparvane.exe driver=$E2E_WIN_BUILD/sparvane-driver.exe
  [[ -f "$exe" ]] || { _e2e_log "missing $exe (build the windows preset first)"; exit 1; }
  [[ -f "$driver" ]] || { _e2e_log "missing $driver (build the windows preset first)"; exit 1; }

  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/sparvane-e2e.XXXXXX")
  trap 'e2e_end' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  trap '_e2e_on_error $LINENO "$BASH_COMMAND"' ERR
  # Tells run_all.sh what to clean up should this process be killed outright.
  printf 'E2E_TMP=%q\n' "$E2E_TMP" >"$E2E_ARTIFACTS/.e2e-state"

  e2e_make_template
  _e2e_scratch_env "$E2E_TMP/home"
  export WINEPREFIX=$E2E_TMP/home/prefix
  cp -a "$E2E_TEMPLATE" "$WINEPREFIX"
  rm -f "$WINEPREFIX/.ready"
  if [[ "$desktop" != "$E2E_DEFAULT_SIZE" ]]; then
    # The server is not running yet, so the registry file can be edited directly.
    sed -i "s/^\"Default\"=\"$E2E_DEFAULT_SIZE\"/\"Default\"=\"$desktop\"/" "$WINEPREFIX/user.reg"
  fi

  _e2e_start_xvfb "$size" "$E2E_TMP"
  printf 'E2E_XVFB_PID=%q\nWINEPREFIX=%q\n' "$E2E_XVFB_PID" "$WINEPREFIX" >>"$E2E_ARTIFACTS/.e2e-state"

  local dir="$WINEPREFIX/drive_c/Program Files/Sparvane"
  mkdir -p "$dir"
  cp "$exe" "$dir/sparvane.exe"
  cp "$driver" "$dir/sparvane-driver.exe"
  export E2E_EXE_UNIX=$dir/sparvane.exe
  export E2E_EXE_WIN='C:\Program Files\Sparvane\sparvane.exe'
  export E2E_DRIVER_UNIX=$dir/sparvane-driver.exe
  APP_PID=
  _e2e_log "display $DISPLAY ($size), desktop $desktop, prefix $WINEPREFIX"
}

_e2e_on_error() {
  trap - ERR
  e2e_fail "command failed (line $1): $2"
}

# e2e_start_program [ARGS...]: starts sparvane.exe from its own folder, as Explorer would,
# and waits until the widget is on screen. E2E_LAUNCH (an array, optional) holds words put
# before `wine`, e.g. (ip netns exec NS) to start it in a network namespace.
e2e_start_program() {
  local log=$E2E_ARTIFACTS/program.log
  (cd "$(dirname "$E2E_EXE_UNIX")" && exec ${E2E_LAUNCH[@]+"${E2E_LAUNCH[@]}"} wine "$E2E_EXE_WIN" "$@") >"$log" 2>&1 &
  APP_PID=$!
  export APP_PID
  local deadline=$((SECONDS + ${E2E_START_TIMEOUT:-60}))
  while ((SECONDS < deadline)); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      local status=0
      wait "$APP_PID" || status=$?
      APP_PID=
      e2e_fail "sparvane.exe ended with status $status before Form1 was visible"
    fi
    if drv wait-window Form1 visible 1000 >/dev/null 2>&1; then
      return 0
    fi
  done
  e2e_fail "Form1 not visible within ${E2E_START_TIMEOUT:-60} s"
}

# drv ARGS...: runs the driver; its stdout is printed, its status returned. The driver
# itself answers 0 or 1; any other status but the time-out's 124 means it never gave an
# answer (it crashed or Wine did not start it), which is logged and tried once more.
drv() {
  local status=0
  timeout 120 wine "$E2E_DRIVER_UNIX" "$@" || status=$?
  if ((status > 1 && status != 124)); then
    _e2e_log "driver '$*' ended with status $status without an answer; once more"
    status=0
    timeout 120 wine "$E2E_DRIVER_UNIX" "$@" || status=$?
  fi
  return "$status"
}

# e2e_wait_for TIMEOUT_S CMD...: polls CMD every 0.2 s until it succeeds.
e2e_wait_for() {
  local timeout_s=$1
  shift
  local deadline=$((SECONDS + timeout_s)) output=
  while :; do
    if output=$("$@" 2>&1); then
      [[ -z "$output" ]] || printf '%s\n' "$output"
      return 0
    fi
    ((SECONDS < deadline)) || break
    sleep 0.2
  done
  e2e_fail "timed out after ${timeout_s} s waiting for: $* (last output: ${output})"
}

# e2e_screenshot NAME: the whole X screen into $E2E_ARTIFACTS/NAME.png.
e2e_screenshot() {
  timeout 30 import -display "$DISPLAY" -window root "$E2E_ARTIFACTS/$1.png"
}

# e2e_tray_menu: a real right click on the program's notification-area icon; waits for its
# menu to open. e2e_tray_pick ENTRY: opens it and picks the entry ("Show widget",
# "Traffic...", "Dial-up...", "About", "Exit") with the arrow keys and Enter, as a keyboard
# user would (the separator is skipped).
E2E_TRAY_ENTRIES=("Show widget" "Traffic..." "Dial-up..." "About" "Exit")
e2e_tray_menu() {
  local point x y
  point=$(e2e_wait_for 20 drv tray-point) || return 1
  read -r x y <<<"$point"
  xdotool mousemove "$x" "$y" click 3
  drv menu 5000 >/dev/null || e2e_fail "no menu after a right click on the tray icon"
  # Keys reach the menu once its owner (a window of its own) has the foreground;
  # when another program had it, that takes a moment.
  _e2e_menu_owner_in_front() { [[ "$(drv foreground)" == "title:[Sparvane.MenuOwner]" ]]; }
  e2e_wait_for 10 _e2e_menu_owner_in_front
}
e2e_tray_pick() {
  local i n=0
  for ((i = 0; i < ${#E2E_TRAY_ENTRIES[@]}; i++)); do [[ "${E2E_TRAY_ENTRIES[i]}" == "$1" ]] && n=$((i + 1)); done
  ((n > 0)) || e2e_fail "e2e_tray_pick: no menu entry '$1'"
  e2e_tray_menu
  for ((i = 0; i < n; i++)); do xdotool key Down; done
  xdotool key Return
}

# e2e_run_value [ROOT]: the data of the program's auto-start value (ROOT\Software\Microsoft\
# Windows\CurrentVersion\Run, Sparvane; ROOT is HKCU, the program's own, or HKLM, where older
# versions wrote it) exactly as stored, read with the real reg.exe; fails when the value does
# not exist.
e2e_run_value() {
  local root=${1:-HKCU} out
  out=$(timeout 60 wine reg query "$root"'\Software\Microsoft\Windows\CurrentVersion\Run' /v Sparvane 2>/dev/null) ||
    return 1
  out=$(printf '%s\n' "$out" | tr -d '\r' | grep -E '^ +Sparvane +REG_SZ') || return 1
  printf '%s\n' "$out" | sed -E 's/^ +Sparvane +REG_SZ {4}//'
}

# e2e_set_run_value ROOT DATA: writes the auto-start value under ROOT (HKCU or HKLM) with the
# real reg.exe, as an older version of the program left it.
e2e_set_run_value() {
  timeout 60 wine reg add "$1"'\Software\Microsoft\Windows\CurrentVersion\Run' /v Sparvane /t REG_SZ /d "$2" /f \
    >/dev/null 2>&1 || e2e_fail "reg add of the $1 Run value failed"
}

# e2e_expect_exit STATUS TIMEOUT_S: waits for sparvane.exe to end and checks its status.
e2e_expect_exit() {
  local expected=$1 timeout_s=$2
  [[ -n ${APP_PID:-} ]] || e2e_fail "e2e_expect_exit: the program was not started"
  local deadline=$((SECONDS + timeout_s))
  while kill -0 "$APP_PID" 2>/dev/null; do
    ((SECONDS < deadline)) || e2e_fail "sparvane.exe still running after ${timeout_s} s"
    sleep 0.2
  done
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=
  [[ "$status" == "$expected" ]] || e2e_fail "sparvane.exe ended with status $status, expected $expected"
  _e2e_log "sparvane.exe ended with status $status"
}

# e2e_netns_link SUBNET: two network namespaces of this run's own, "prog" and "peer" (names
# no other run has: `ip netns add` fails on a name in use), joined by a veth pair, spvnet0 in
# prog at 192.168.SUBNET.1/30 and spvpeer0 in peer at .2, with no IPv6 chatter on it. Wine's
# server and device process (which reads the interface table) start inside prog, and so
# does the program (E2E_LAUNCH). Sets E2E_PROG_NS and E2E_PEER_NS. Needs root.
# e2e_netns_remove, from the scenario's EXIT trap before e2e_end: Wine first, through its
# server (killing the server alone leaves its desktop behind), then whatever still runs
# inside (receivers, samplers), then the namespaces.
E2E_NETNS_LIST=()
_e2e_new_netns() {
  local i name
  for i in {1..20}; do
    name=spv-$1-$$-$RANDOM
    if ip netns add "$name" 2>/dev/null; then
      E2E_NETNS_LIST+=("$name")
      printf 'E2E_NETNS=%q\n' "${E2E_NETNS_LIST[*]}" >>"$E2E_ARTIFACTS/.e2e-state"  # for run_all.sh
      REPLY=$name
      return 0
    fi
  done
  e2e_fail "could not create a network namespace (root needed)"
}
e2e_netns_link() {
  local ns
  _e2e_new_netns prog && E2E_PROG_NS=$REPLY
  _e2e_new_netns peer && E2E_PEER_NS=$REPLY
  for ns in "$E2E_PROG_NS" "$E2E_PEER_NS"; do
    ip netns exec "$ns" sysctl -qw net.ipv6.conf.all.disable_ipv6=1 net.ipv6.conf.default.disable_ipv6=1
  done
  ip link add spvnet0 netns "$E2E_PROG_NS" type veth peer name spvpeer0 netns "$E2E_PEER_NS"
  ip -n "$E2E_PROG_NS" addr add "192.168.$1.1/30" dev spvnet0
  ip -n "$E2E_PEER_NS" addr add "192.168.$1.2/30" dev spvpeer0
  ip -n "$E2E_PROG_NS" link set lo up
  ip -n "$E2E_PROG_NS" link set spvnet0 up
  ip -n "$E2E_PEER_NS" link set spvpeer0 up
  ip netns exec "$E2E_PROG_NS" wineserver -p
  ip netns exec "$E2E_PROG_NS" timeout 120 wine cmd /c exit >/dev/null 2>&1
  E2E_LAUNCH=(ip netns exec "$E2E_PROG_NS")
}
e2e_netns_remove() {
  local ns pid
  wineserver -k 2>/dev/null
  timeout 10 wineserver -w 2>/dev/null
  for ns in "${E2E_NETNS_LIST[@]}"; do
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -9 "$pid" 2>/dev/null; done
    ip netns del "$ns" 2>/dev/null
  done
  E2E_NETNS_LIST=()
}

# e2e_fail MSG: reports, keeps a screenshot of the moment, ends the scenario.
e2e_fail() {
  trap - ERR
  printf 'FAIL [%s]: %s\n' "${E2E_NAME:-?}" "$*" >&2
  if [[ -n ${DISPLAY:-} && -n ${E2E_ARTIFACTS:-} ]]; then
    e2e_screenshot failure 2>/dev/null || true
  fi
  exit 1
}

# e2e_end: always runs (EXIT trap). Ends every Wine process of the prefix, stops Xvfb,
# removes the scratch HOME; artifacts stay.
e2e_end() {
  local status=$?
  trap - EXIT ERR INT TERM
  set +e
  if [[ -n ${E2E_TMP:-} ]]; then
    if [[ -n ${WINEPREFIX:-} && -d "$WINEPREFIX" ]]; then
      wineserver -k 2>/dev/null
      timeout 10 wineserver -w 2>/dev/null
    fi
    if [[ -n ${APP_PID:-} ]]; then
      kill -9 "$APP_PID" 2>/dev/null
      wait "$APP_PID" 2>/dev/null
    fi
    _e2e_stop_xvfb
    case "$E2E_TMP" in
      "${TMPDIR:-/tmp}"/sparvane-e2e.*) rm -rf "$E2E_TMP" ;;
    esac
    rm -f "$E2E_ARTIFACTS/.e2e-state"
    E2E_TMP=
  fi
  exit "$status"
}
