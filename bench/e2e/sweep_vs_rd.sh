#!/usr/bin/env bash
# Benchmark: how long Clean Junk's temp-folder sweep takes under Wine, against Windows' own
# `cmd /c rd /s /q` removing an identical tree in the same prefix and run.
#
#   bench/e2e/sweep_vs_rd.sh [FILES [BIN_ITEMS]]   default 30000 files, 20000 bin items
#
# Needs the windows preset built (E2E_WIN_BUILD, default build/windows). Runs in a scratch
# HOME and a throwaway prefix (tests/e2e/lib.sh). The tree: FILES files of 1 KB in 20
# folders of 10 subfolders each, every 10th file read-only and every 7th one hidden.
# Prints both times (wall clock, seconds) and the ratio sweep / rd. The sweep's time is
# measured from the click to an empty folder, polled every 0.1 s; rd's includes starting
# cmd under Wine. Both trees are checked empty afterwards (rd may stop at read-only files;
# what it leaves is reported). While the sweep runs, the driver asks the widget's window
# every 10 ms whether it answers (SendMessageTimeout, as Windows does before it calls a
# window "not responding") and reports the longest wait. The same Clean Junk then empties a
# recycle bin of BIN_ITEMS items (the scratch HOME's Trash), timed from the empty Temp to the
# empty bin; the longest wait covers both.
source "$(dirname "$0")/../../tests/e2e/lib.sh"
files=${1:-30000}
bin_items=${2:-20000}
e2e_begin bench_sweep_vs_rd

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
temp=$WINEPREFIX/drive_c/users/$user/Temp
rdtree=$WINEPREFIX/drive_c/rdtree

make_tree() {
  python3 - "$1" "$files" <<'PY'
import os, sys
root, total = sys.argv[1], int(sys.argv[2])
per_leaf = max(1, total // 200)
n = 0
for a in range(20):
    for b in range(10):
        d = os.path.join(root, f"pkg{a:02}", f"part{b}")
        os.makedirs(d, exist_ok=True)
        for i in range(per_leaf):
            if n >= total:
                break
            name = f".cache{i}.tmp" if n % 7 == 0 else f"file{i}.tmp"
            p = os.path.join(d, name)
            with open(p, "wb") as f:
                f.write(b"x" * 1024)
            if n % 10 == 0:
                os.chmod(p, 0o444)   # Wine shows a file without write permission as read-only
            n += 1
PY
}
count() { find "$1" -mindepth 1 -type f | wc -l; }

mkdir -p "$temp" "$rdtree"
make_tree "$temp"
make_tree "$rdtree"
trash=$HOME/.local/share/Trash
python3 - "$trash" "$bin_items" <<'PY'
import os, sys
trash, total = sys.argv[1], int(sys.argv[2])
for sub in ("files", "info"):
    os.makedirs(f"{trash}/{sub}", exist_ok=True)
for i in range(total):
    with open(f"{trash}/files/deleted_{i}.txt", "w") as f:
        f.write("deleted earlier\n")
    with open(f"{trash}/info/deleted_{i}.txt.trashinfo", "w") as f:
        f.write(f"[Trash Info]\nPath=/tmp/deleted_{i}.txt\nDeletionDate=2024-01-01T10:00:00\n")
PY
echo "tree: $(count "$temp") files in Temp, $(count "$rdtree") in C:\\rdtree"

e2e_start_program
stop_unix=$WINEPREFIX/drive_c/latency.stop
rm -f "$stop_unix"
drv latency Form1 1800000 'C:\latency.stop' >"$E2E_TMP/latency.txt" &
latency_pid=$!
sleep 1
start=$(date +%s.%N)
drv click Form1 Command63 >/dev/null
while [[ -n "$(find "$temp" -mindepth 1 -print -quit)" ]]; do
  sleep 0.1
  (($(date +%s) - ${start%.*} < 1800)) || e2e_fail "the sweep did not finish within 30 minutes"
done
sweep=$(echo "$(date +%s.%N) - $start" | bc)
start=$(date +%s.%N)
while [[ -n "$(find "$trash/files" -mindepth 1 -print -quit)" ]]; do
  sleep 0.1
  (($(date +%s) - ${start%.*} < 1800)) || e2e_fail "the bin was not emptied within 30 minutes"
done
bin=$(echo "$(date +%s.%N) - $start" | bc)
touch "$stop_unix"
wait "$latency_pid" || e2e_fail "the latency probe failed: $(cat "$E2E_TMP/latency.txt")"
latency=$(tr -d '\r' <"$E2E_TMP/latency.txt")

start=$(date +%s.%N)
timeout 1800 wine cmd /c rd /s /q 'C:\rdtree' >/dev/null 2>&1 || true
rd=$(echo "$(date +%s.%N) - $start" | bc)
rd_left=0
[[ -d "$rdtree" ]] && rd_left=$(count "$rdtree")

printf 'files: %d\nsparvane sweep: %.2f s\nrd /s /q: %.2f s (files left: %d)\nratio sweep/rd: %.2f\nbin of %d items emptied after the sweep: %.2f s\nwidget during the sweep and the emptying: %s\n' \
  "$files" "$sweep" "$rd" "$rd_left" "$(echo "$sweep / $rd" | bc -l)" "$bin_items" "$bin" "$latency" | tee "$E2E_ARTIFACTS/result.txt"

drv click Form1 Command1 >/dev/null
e2e_expect_exit 0 60
