#!/usr/bin/env bash
# Clean Junk with 20,000 items in the recycle bin (Wine's bin is the scratch HOME's Trash):
# the bin ends empty and the widget answers every message within 1 s meanwhile, a second
# Clean Junk pressed during the emptying changes nothing of that, and Close Widget pressed
# during a second emptying ends the program with status 0 after the bin is empty.
source "$(dirname "$0")/../lib.sh"
e2e_begin cleaning_full_bin

trash=$HOME/.local/share/Trash
items=20000
fill_bin() {  # items in the bin as the desktop writes them: a file and its .trashinfo record
  python3 - "$trash" "$items" <<'PY'
import os, sys
trash, total = sys.argv[1], int(sys.argv[2])
os.makedirs(f"{trash}/files", exist_ok=True)
os.makedirs(f"{trash}/info", exist_ok=True)
for i in range(total):
    name = f"deleted_{i:05}.txt"
    with open(f"{trash}/files/{name}", "w") as f:
        f.write("deleted earlier\n")
    with open(f"{trash}/info/{name}.trashinfo", "w") as f:
        f.write(f"[Trash Info]\nPath=/tmp/{name}\nDeletionDate=2024-01-01T10:00:00\n")
PY
}
in_bin() { find "$trash/files" -mindepth 1 -maxdepth 1 | wc -l; }
bin_empty() { [[ $(in_bin) == 0 ]]; }

fill_bin
e2e_start_program
stop_unix=$WINEPREFIX/drive_c/latency.stop
drv latency Form1 300000 'C:\latency.stop' >"$E2E_TMP/latency.txt" &
latency_pid=$!
sleep 1
start=$SECONDS
drv click Form1 Command63
# Once the emptying has begun, Clean Junk again: it waits for the run under way.
e2e_wait_for 120 bash -c "(( \$(find '$trash/files' -mindepth 1 -maxdepth 1 | wc -l) < $items ))"
drv click Form1 Command63
e2e_wait_for 240 bin_empty
emptied_s=$((SECONDS - start))
touch "$stop_unix"
wait "$latency_pid" || e2e_fail "the widget did not answer: $(cat "$E2E_TMP/latency.txt")"
latency=$(tr -d '\r' <"$E2E_TMP/latency.txt")
longest=${latency##*longest_ms=}
echo "bin of $items items emptied in about ${emptied_s} s; widget meanwhile: $latency" | tee "$E2E_ARTIFACTS/result.txt"
((longest < 1000)) || e2e_fail "the widget waited ${longest} ms for an answer while the bin was emptied"
[[ -z "$(ls -A "$trash/info")" ]] || e2e_fail "records of the emptied items stayed in $trash/info"
e2e_wait_for 30 drv wait-window frmMain hidden 1000 >/dev/null
grep -q '^Form1 visible=1' <<<"$(drv windows)" || e2e_fail "the widget is gone after the emptying"
e2e_screenshot after_full_bin

# The program ends during an emptying: it lets the emptying finish, then ends normally.
fill_bin
drv click Form1 Command63
e2e_wait_for 120 bash -c "(( \$(find '$trash/files' -mindepth 1 -maxdepth 1 | wc -l) < $items ))"
bin_empty && e2e_fail "the bin was emptied before Close Widget could be pressed during it"
drv click Form1 Command1
e2e_expect_exit 0 120
bin_empty || e2e_fail "the program ended with $(in_bin) items still in the bin"
