#!/usr/bin/env bash
# The traffic window, opened from the tray menu while a transfer runs over a veth pair into
# a network namespace of the run's own: its charts fill, its figures and totals move, its
# interface list says the veth link counts and loopback does not; it can be resized with
# every control inside, and its close box only hides it.
source "$(dirname "$0")/../lib.sh"
e2e_begin traffic_window 1600x900

tools=$E2E_ROOT/tests/e2e/traffic_tools.py
# The sender and the receiver run inside the namespaces: removing those ends them.
trap 'status=$?; trap - ERR; set +e; e2e_netns_remove; (exit $status); e2e_end' EXIT
e2e_netns_link 214
prog=$E2E_PROG_NS peer=$E2E_PEER_NS
in_background() { (exec "$@") & }

e2e_start_program
in_background ip netns exec "$prog" timeout 200 python3 "$tools" receive 5001
disown "$!"
in_background timeout 180 ip netns exec "$peer" python3 "$tools" send 192.168.214.1 5001 3000000 65536 "$E2E_TMP/stop"
disown "$!"

e2e_tray_pick "Traffic..."
e2e_wait_for 10 drv wait-window frmTraffic visible 1000 >/dev/null
[[ "$(drv text frmTraffic)" == Traffic ]] || e2e_fail "the traffic window's caption is '$(drv text frmTraffic)'"

# A figure above 0: digits, maybe a decimal part (either separator).
above_zero() { [[ "$1" =~ ^[0-9]+([.,][0-9]+)?$ && ! "$1" =~ ^0([.,]0*)?$ ]]; }
download_moving() {
  local now highest
  now=$(drv text frmTraffic lblDownloadNow) && highest=$(drv text frmTraffic lblDownloadHighest) &&
    above_zero "$now" && above_zero "$highest" && printf '%s / highest %s\n' "$now" "$highest"
}
echo "download now: $(e2e_wait_for 20 download_moving)"
for total in lblReceivedSinceStart lblReceivedInAll; do
  value=$(drv text frmTraffic "$total")
  above_zero "${value//[,.]/}" || e2e_fail "$total shows '$value' while bytes arrive"
  echo "$total: $value"
done

interfaces=$(drv text frmTraffic txtInterfaces)
printf 'interfaces: %s\n' "$interfaces"
grep -qE '(^|\\n)[^\\]*spvnet0[^\\]*: counted' <<<"$interfaces" || e2e_fail "the veth link is not listed as counted"
grep -qE 'not counted \(loopback\)' <<<"$interfaces" || e2e_fail "loopback is not listed as not counted"

# The download chart: after a few seconds of load its fill (red) covers part of it.
sleep 6
e2e_screenshot traffic_window
read -r l t r b <<<"$(drv rect frmTraffic chtDownload)"
red=$(convert "$E2E_ARTIFACTS/traffic_window.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage \
  -fuzz 15% -fill white -opaque 'rgb(255,0,0)' -fill black +opaque white -format '%[fx:mean]' info:)
echo "download chart: $red of it filled"
awk -v f="$red" 'BEGIN { exit !(f > 0.01) }' || e2e_fail "the download chart is empty ($red)"

# Resized smaller and larger by the system: every control stays inside.
for size in "150 120 640 520" "60 40 1200 800"; do
  read -r x y w h <<<"$size"
  drv place frmTraffic "$x" "$y" "$w" "$h" >/dev/null
  drv inside frmTraffic >"$E2E_TMP/inside" || { cat "$E2E_TMP/inside"; e2e_fail "a control lies outside at ${w}x${h}"; }
done
e2e_screenshot traffic_window_large

# The close box hides it; the menu shows it again, still counting.
drv close frmTraffic >/dev/null
e2e_wait_for 10 drv wait-window frmTraffic hidden 1000 >/dev/null
e2e_tray_pick "Traffic..."
e2e_wait_for 10 drv wait-window frmTraffic visible 1000 >/dev/null
e2e_wait_for 10 download_moving >/dev/null
echo "closed, reopened, still live"
