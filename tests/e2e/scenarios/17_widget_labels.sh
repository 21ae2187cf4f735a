#!/usr/bin/env bash
# The widget's clock and figures show their whole text: the driver measures each label's
# text in the label's own font at the screen's dpi against the label's size, while a fast
# transfer over a veth pair drives the figures to six or seven digits. Runs at 96 dpi; the 144 dpi
# scenario sources this one with E2E_LABEL_DPI=144.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
dpi=${E2E_LABEL_DPI:-96}
e2e_begin "widget_labels_${dpi}dpi" 1600x900

if ((dpi != 96)); then
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  timeout 60 wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  _e2e_wineserver_down  # the program starts with a fresh server, which reads the new dpi
fi

# The program counts real links only (not loopback): it runs in a namespace whose one link
# is a veth pair to a second namespace, and a full-speed transfer over the pair drives the
# figures to six or seven digits.
tools=$E2E_ROOT/tests/e2e/traffic_tools.py
trap 'status=$?; trap - ERR; set +e; touch "$E2E_TMP/stop"; e2e_netns_remove; (exit $status); e2e_end' EXIT
e2e_netns_link 214
prog=$E2E_PROG_NS peer=$E2E_PEER_NS

e2e_start_program
clock_written() { local t; t=$(drv text Form1 Label3) && [[ "$t" != "00" ]] && printf '%s\n' "$t"; }
e2e_wait_for 20 clock_written >/dev/null

(exec ip netns exec "$prog" timeout 120 python3 "$tools" receive 5001) >/dev/null 2>&1 &
disown "$!"
(exec timeout 120 ip netns exec "$peer" python3 "$tools" send 192.168.214.1 5001 0 1048576 "$E2E_TMP/stop") \
  >"$E2E_ARTIFACTS/load.log" 2>&1 &
disown "$!"

# Each reading: Label3 in the form's font, the figures in Tahoma 8.25.
fits() {
  local line
  line=$(drv text-fit Form1 "$1" "$2" 8.25) || e2e_fail "cannot measure $1"
  echo "$1: $line" >>"$E2E_ARTIFACTS/measures.txt"
  [[ "$line" == *" fits=1" ]] || e2e_fail "$1 cuts its text: $line"
  sed -nE 's/^text=([^ ]*) .*/\1/p' <<<"$line"
}
longest=0
for ((i = 0; i < 20; i++)); do
  fits Label3 "MS Sans Serif" >/dev/null
  down=$(fits Label1 Tahoma)
  fits Label2 Tahoma >/dev/null
  ((${#down} > longest)) && longest=${#down} && e2e_screenshot "labels_${dpi}dpi"
  ((longest >= 4 && i >= 5)) && break
  sleep 0.5
done
cat "$E2E_ARTIFACTS/measures.txt"
((longest >= 4)) || e2e_fail "the load never gave a large figure (longest shown: $longest characters)"
touch "$E2E_TMP/stop"

drv click Form1 Command1
e2e_expect_exit 0 20
