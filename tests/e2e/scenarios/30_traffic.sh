#!/usr/bin/env bash
# Traffic on the loopback interface reaches the widget: Wine's interface table includes
# loopback, so a local transfer moves the download figure above 0 and the bar to where the
# figure is; without traffic the figure settles back to 0. The tray entry exists and its
# tip follows the byte totals.
source "$(dirname "$0")/../lib.sh"
e2e_begin traffic 1600x900

LOAD_PID=
stop_file=$E2E_TMP/stop-load
stop_load() {
  touch "$stop_file"
  [[ -z $LOAD_PID ]] || { kill "$LOAD_PID" 2>/dev/null; wait "$LOAD_PID" 2>/dev/null; } || true
  LOAD_PID=
}
# The load goes first, then the library's own clean-up (Wine, Xvfb, scratch HOME), which
# must run whatever happened before it.
trap 'status=$?; trap - ERR; set +e; stop_load; (exit $status); e2e_end' EXIT

e2e_start_program

figure() { drv text Form1 Label1; }
# A figure the widget writes: a plain number ("0", "12.5", "1E-05"); its design text is "000".
is_figure() { [[ "$1" =~ ^-?[0-9]+(\.[0-9]+)?(E[-+][0-9]+)?$ && "$1" != "000" ]]; }
ticking() { local f; f=$(figure) && is_figure "$f" && printf '%s\n' "$f"; }
e2e_wait_for 20 ticking >/dev/null

# The tray entry of the network window.
tray_present() { local n; n=$(drv tray-count) && ((n >= 1)) && printf '%s\n' "$n"; }
icons=$(e2e_wait_for 20 tray_present)
echo "tray icons: $icons"

# Load: a paced transfer over one loopback connection, 400 bytes every 100 ms (about
# 2.5 kB per 500 ms tick with the packet headers, some 20 kilobits on the widget), so the
# figure stays inside the bar's 0..100 and repeats from tick to tick. Bounded in time.
timeout 200 python3 - "$stop_file" >"$E2E_ARTIFACTS/load.log" 2>&1 <<'PY' &
import os, socket, sys, threading, time
stop = sys.argv[1]
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(1)
client = socket.create_connection(server.getsockname())
conn, _ = server.accept()
def drain():
    while client.recv(65536):
        pass
threading.Thread(target=drain, daemon=True).start()
end = time.time() + 150
while time.time() < end and not os.path.exists(stop):
    conn.sendall(b"x" * 400)
    time.sleep(0.1)
conn.close()
PY
LOAD_PID=$!

above_zero() {
  local f
  f=$(figure) || return 1
  is_figure "$f" && awk -v f="$f" 'BEGIN { exit !(f > 0) }' && printf '%s\n' "$f"
}
loaded=$(e2e_wait_for 30 above_zero)
echo "download figure under load: $loaded"

# The tray tip carries the byte totals, refreshed every tick: under load the received
# total grows from one reading of the tip to the next, and the icon stays shown.
received_in_tip() {
  local line
  line=$(drv tray-tips | grep -m1 '^Bytes received: ') || return 1
  [[ "$line" =~ ^Bytes\ received:\ ([0-9][0-9,.]*)\\n\ Bytes\ sent:\ [0-9][0-9,.]*$ ]] || return 1
  printf '%s\n' "${BASH_REMATCH[1]//[,.]/}"
}
first_total=$(e2e_wait_for 20 received_in_tip)
tip_grew() {
  local now
  now=$(received_in_tip) || return 1
  ((now > first_total)) && printf '%s\n' "$now"
}
later_total=$(e2e_wait_for 20 tip_grew)
echo "tray tip, bytes received: $first_total, then $later_total"
drv tray-tips >"$E2E_ARTIFACTS/tray_tips.txt"
e2e_screenshot traffic

# The bar sits where the figure is (it reports whole positions, as the system's bar
# does). The driver reads the figure and the bar together, so both come from the same tick.
bar_matches() {
  local line f pos
  line=$(drv figure Form1 Label1 p1) || return 1
  read -r f pos <<<"$line"
  is_figure "$f" || return 1
  awk -v f="$f" -v p="$pos" 'BEGIN { exit !(f > 0 && f <= 100 && p - f <= 1 && f - p <= 1) }' || return 1
  printf 'figure %s, bar %s\n' "$f" "$pos"
}
matched=$(e2e_wait_for 90 bar_matches)
echo "$matched"

# No traffic: the figure settles to 0 and the bar goes back to the start.
stop_load
settled() {
  local f pos
  f=$(figure) || return 1
  [[ "$f" == "0" ]] || return 1
  pos=$(drv pos Form1 p1) || return 1
  [[ "$pos" == "0" ]] && printf 'figure %s, bar %s\n' "$f" "$pos"
}
quiet=$(e2e_wait_for 60 settled)
echo "$quiet"

drv click Form1 Command1
e2e_expect_exit 0 20
