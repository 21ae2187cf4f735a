#!/usr/bin/env bash
# Footprint benchmark of the running widget under Wine, side by side with the smallest
# ordinary Win32 program (bench/windows/minimal_window.cpp), both in one prefix and one run:
#   - start-up: launch to the window being visible (sparvane.exe: Form1 with its region),
#     alternating the two programs, medians and their ratio;
#   - idle cost over a minute of normal running (traffic ticks, the clock, the Recent
#     folder check) with light loopback traffic: CPU time per wall second, resident and
#     private memory of each program's Linux process;
#   - leaks: GDI/USER objects (GetGuiResources), windows owned and private memory sampled
#     over a longer run, start/end and the slope;
#   - the exe's size and the DLLs it imports (it must need none of its own).
#
#   bench/e2e/footprint.sh            full run: 5 start-ups each, 60 s idle, 600 s leak watch
#   bench/e2e/footprint.sh --quick    3 start-ups each, 20 s idle, 60 s leak watch
#   options: --runs N  --idle S  --duration S  --interval S  --warmup S  --build DIR
#
# Needs the windows preset built (sparvane.exe, sparvane-driver.exe, minimal_window.exe,
# footprint_probe.exe in build/windows, or --build DIR). Prints a Markdown table, also kept
# in artifacts/bench/footprint/footprint.md with the raw samples beside it.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
runs=5 idle_s=60 duration_s=600 interval_s=30 warmup_s=25
build=${E2E_WIN_BUILD:-$root/build/windows}
while (($# > 0)); do
  case $1 in
    --quick) runs=3 idle_s=20 duration_s=60 interval_s=10 warmup_s=25 ;;
    --runs) runs=$2; shift ;;
    --idle) idle_s=$2; shift ;;
    --duration) duration_s=$2; shift ;;
    --interval) interval_s=$2; shift ;;
    --warmup) warmup_s=$2; shift ;;
    --build) build=$(cd "$2" && pwd); shift ;;
    -h|--help) sed -n '2,19p' "$0"; exit 0 ;;
    *) echo "footprint: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
for n in "$runs" "$idle_s" "$duration_s" "$interval_s" "$warmup_s"; do
  [[ "$n" =~ ^[0-9]+$ && "$n" -gt 0 ]] || { echo "footprint: not a positive whole number: $n" >&2; exit 2; }
done
for f in sparvane.exe sparvane-driver.exe minimal_window.exe footprint_probe.exe; do
  [[ -f "$build/$f" ]] || { echo "footprint: missing $build/$f (cmake --preset windows && cmake --build --preset windows)" >&2; exit 1; }
done

# Our own artifacts folder and template prefix: run_all.sh removes its own at start.
export E2E_WIN_BUILD=$build
export E2E_ARTIFACTS_ROOT=$root/artifacts/bench
export E2E_TEMPLATE=$root/build/e2e/footprint-template
# shellcheck source=/dev/null
source "$root/tests/e2e/lib.sh"
# Made before e2e_begin, as run_all.sh does: inside it a failing clean-up step of the
# template's own sub-shell would trip the scenario's ERR trap.
e2e_make_template || { echo "footprint: could not create the Wine prefix template" >&2; exit 1; }
e2e_begin footprint

bin_dir=$(dirname "$E2E_EXE_UNIX")
cp "$build/minimal_window.exe" "$build/footprint_probe.exe" "$bin_dir/"
probe_unix=$bin_dir/footprint_probe.exe
sparvane_win=$E2E_EXE_WIN
minimal_win='C:\Program Files\Sparvane\minimal_window.exe'
raw=$E2E_ARTIFACTS/samples.txt
: >"$raw"
clk_tck=$(getconf CLK_TCK)
say() { printf '[footprint] %s\n' "$*" >&2; }

# The widget is on screen once its window has its region and its 16 control windows (every
# control of Form1 but the frame outline and the timer) are shown.
widget=region:16
# probe NAME plain|region:N end|keep EXE_WIN -> milliseconds to the visible window.
# Its output goes through a file: a program left running (keep) inherits the probe's
# stdout, and a pipe would then stay open as long as that program runs.
probe() {
  local out file=$E2E_TMP/probe.out
  timeout 120 wine "$probe_unix" launch "$1" "$2" "$3" 60000 "$4" >"$file" || return 1
  out=$(<"$file")
  [[ $out == *ms=* ]] || return 1
  out=${out##*ms=}
  printf '%s\n' "${out%% *}"
}

# The Linux process running EXE_NAME in *this* prefix (other runs may use the same names).
linux_pid() {
  local pattern=$1 pid
  for pid in $(pgrep -f -- "$pattern" || true); do
    [[ -r /proc/$pid/environ ]] || continue
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return 0
    fi
  done
  return 1
}

# CPU clock ticks (user + system, all threads) of a process.
cpu_ticks() {
  local stat rest
  stat=$(<"/proc/$1/stat")
  rest=${stat##*) }   # the name may hold spaces; fields after it are plain
  read -r -a f <<<"$rest"
  echo $((f[11] + f[12]))
}

# kB figures: resident, anonymous resident, private (clean + dirty) pages.
vm_rss() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
rss_anon() { awk '/^RssAnon:/ {print $2}' "/proc/$1/status"; }
private_kb() { awk '/^Private_(Clean|Dirty|Hugetlb):/ {s += $2} END {print s + 0}' "/proc/$1/smaps_rollup"; }
# Proportional set: shared pages (Wine's DLLs, mapped by every process of the prefix) count
# by the share of the processes mapping them.
pss_kb() { awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup"; }
now_ns() { date +%s%N; }

median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# ---------------------------------------------------------------------------------------
say "start-up: one warm-up launch each, then $runs each, alternating"
probe Minimal plain end "$minimal_win" >/dev/null || e2e_fail "minimal_window.exe did not show its window"
probe Form1 "$widget" end "$sparvane_win" >/dev/null || e2e_fail "sparvane.exe did not show Form1 with its region"
sparvane_ms=() minimal_ms=()
for ((i = 1; i <= runs; i++)); do
  # Who goes first alternates as well, so that neither always follows the other.
  if ((i % 2)); then order=(S M); else order=(M S); fi
  for who in "${order[@]}"; do
    if [[ $who == S ]]; then
      ms=$(probe Form1 "$widget" end "$sparvane_win") || e2e_fail "sparvane.exe start-up run $i failed"
      sparvane_ms+=("$ms")
    else
      ms=$(probe Minimal plain end "$minimal_win") || e2e_fail "minimal_window.exe start-up run $i failed"
      minimal_ms+=("$ms")
    fi
  done
  say "  run $i: sparvane ${sparvane_ms[-1]} ms, minimal ${minimal_ms[-1]} ms"
done
echo "startup sparvane_ms ${sparvane_ms[*]}" >>"$raw"
echo "startup minimal_ms ${minimal_ms[*]}" >>"$raw"
start_s=$(printf '%s\n' "${sparvane_ms[@]}" | median)
start_m=$(printf '%s\n' "${minimal_ms[@]}" | median)

# ---------------------------------------------------------------------------------------
say "idle: both programs running side by side; ${warmup_s} s warm-up, then ${idle_s} s measured"
traffic_s=$((warmup_s + idle_s + duration_s + 60))
perl "$root/bench/e2e/loopback_traffic.pl" 200000 "$traffic_s" >/dev/null 2>&1 &
traffic_pid=$!
probe Form1 "$widget" keep "$sparvane_win" >/dev/null || e2e_fail "sparvane.exe did not start for the idle run"
probe Minimal plain keep "$minimal_win" >/dev/null || e2e_fail "minimal_window.exe did not start for the idle run"
pid_s=$(linux_pid 'sparvane\.exe') || e2e_fail "no Linux process of sparvane.exe in this prefix"
pid_m=$(linux_pid 'minimal_window\.exe') || e2e_fail "no Linux process of minimal_window.exe in this prefix"
pid_ws=$(linux_pid '^(/usr/lib/wine/)?wineserver') || pid_ws=
say "  Linux processes: sparvane $pid_s, minimal $pid_m, wineserver ${pid_ws:-?}"
sleep "$warmup_s"

t0=$(now_ns); c0_s=$(cpu_ticks "$pid_s"); c0_m=$(cpu_ticks "$pid_m"); c0_w=$([[ -n $pid_ws ]] && cpu_ticks "$pid_ws" || echo 0)
sleep "$idle_s"
t1=$(now_ns); c1_s=$(cpu_ticks "$pid_s"); c1_m=$(cpu_ticks "$pid_m"); c1_w=$([[ -n $pid_ws ]] && cpu_ticks "$pid_ws" || echo 0)
kill -0 "$pid_s" 2>/dev/null || e2e_fail "sparvane.exe ended during the idle run"
cpu_pct() { awk -v d="$1" -v hz="$clk_tck" -v ns="$2" 'BEGIN {printf "%.3f", 100 * (d / hz) / (ns / 1e9)}'; }
wall_ns=$((t1 - t0))
cpu_s=$(cpu_pct $((c1_s - c0_s)) "$wall_ns")
cpu_m=$(cpu_pct $((c1_m - c0_m)) "$wall_ns")
cpu_w=$(cpu_pct $((c1_w - c0_w)) "$wall_ns")
rss_s=$(vm_rss "$pid_s") rss_m=$(vm_rss "$pid_m")
anon_s=$(rss_anon "$pid_s") anon_m=$(rss_anon "$pid_m")
priv_s=$(private_kb "$pid_s") priv_m=$(private_kb "$pid_m")
pss_s=$(pss_kb "$pid_s") pss_m=$(pss_kb "$pid_m")
echo "idle wall_ns=$wall_ns ticks_s=$((c1_s - c0_s)) ticks_m=$((c1_m - c0_m)) ticks_wineserver=$((c1_w - c0_w)) rss_kb=$rss_s/$rss_m anon_kb=$anon_s/$anon_m private_kb=$priv_s/$priv_m pss_kb=$pss_s/$pss_m" >>"$raw"

# ---------------------------------------------------------------------------------------
say "leak watch: ${duration_s} s, a sample every ${interval_s} s"
# sample FORM PID -> "seconds gdi user windows private_kb rss_kb"
sample() {
  local res gdi user windows
  res=$(drv gui-resources "$1" 2>/dev/null) || return 1
  gdi=$(grep -o ' gdi=[0-9]*' <<<"$res" | cut -d= -f2)
  user=$(grep -o ' user=[0-9]*' <<<"$res" | cut -d= -f2)
  windows=$(awk '{for (i = 1; i <= NF; i++) {split($i, kv, "="); if (kv[1] ~ /^(top_levels|children|message_only)$/) n += kv[2]} print n}' <<<"$res")
  echo "$SECONDS ${gdi:-0} ${user:-0} $windows $(private_kb "$2") $(vm_rss "$2")"
  echo "leak $1 $SECONDS $res private_kb=$(private_kb "$2") rss_kb=$(vm_rss "$2")" >>"$raw"
}
leak_s=() leak_m=()
leak_end=$((SECONDS + duration_s))
while :; do
  s=$(sample Form1 "$pid_s") || e2e_fail "cannot sample sparvane.exe (did it end?)"
  m=$(sample Minimal "$pid_m") || e2e_fail "cannot sample minimal_window.exe"
  leak_s+=("$s") leak_m+=("$m")
  ((SECONDS < leak_end)) || break
  left=$((leak_end - SECONDS))
  sleep $((left < interval_s ? left : interval_s))
done
kill "$traffic_pid" 2>/dev/null || true

# column COL: start, end and least-squares slope per hour of the samples ("t v" lines).
trend() {
  awk -v c="$1" '{t = $1; v = $c; n++; st += t; sv += v; stt += t * t; stv += t * v; if (n == 1) first = v; last = v}
    END {d = n * stt - st * st; slope = d ? (n * stv - st * sv) / d * 3600 : 0; printf "%s %s %.1f\n", first, last, slope}'
}
# row LABEL COL UNIT-DIVISOR AIM-CHECK
trend_cell() {  # samples... | trend COL -> "start → end (slope/h)"
  local col=$1 div=$2 fmt=$3 first last slope
  shift 3
  read -r first last slope < <(printf '%s\n' "$@" | trend "$col")
  awk -v a="$first" -v b="$last" -v s="$slope" -v d="$div" -v f="$fmt" \
    'BEGIN {printf f " → " f " (" f "/h)", a / d, b / d, s / d}'
}
flat_counts() {  # col samples... -> yes if the last equals the first sample
  local col=$1 first last
  shift
  read -r first last _ < <(printf '%s\n' "$@" | trend "$col")
  [[ "$first" == "$last" ]] && echo yes || echo "no"
}

# ---------------------------------------------------------------------------------------
size_s=$(stat -c %s "$build/sparvane.exe")
size_m=$(stat -c %s "$build/minimal_window.exe")
own_dlls=$(x86_64-w64-mingw32-objdump -p "$build/sparvane.exe" 2>/dev/null | awk '/DLL Name:/ {print $3}' |
  grep -viE '^(kernel32|user32|gdi32|comctl32|shell32|shlwapi|advapi32|ole32|oleaut32|iphlpapi|rasapi32|wininet|msimg32|uxtheme|msvcrt|ws2_32|comdlg32|version|ucrtbase|api-ms-win-.*)\.dll$' |
  paste -sd, - || true)
imports=$(x86_64-w64-mingw32-objdump -p "$build/sparvane.exe" 2>/dev/null | awk '/DLL Name:/ {print $3}' | paste -sd' ' - || true)

gdi_first=$(printf '%s\n' "${leak_s[@]}" | awk 'NR == 1 {print $2 + $3}')
gdi_max=$(printf '%s\n' "${leak_s[@]}" | awk '{s = $2 + $3; if (s > m) m = s} END {print m + 0}')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
diff_mib() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%+.1f", (a - b) / 1024}'; }
mark() { awk -v v="$1" -v lim="$2" 'BEGIN {print (v <= lim) ? "yes" : "**no**"}'; }

start_ratio=$(ratio "$start_s" "$start_m")
cpu_diff=$(awk -v a="$cpu_s" -v b="$cpu_m" 'BEGIN {printf "%+.3f", a - b}')
priv_first_s=$(printf '%s\n' "${leak_s[@]}" | awk 'NR == 1 {print $5}')
priv_last_s=$(printf '%s\n' "${leak_s[@]}" | awk 'END {print $5}')
priv_growth=$((priv_last_s - priv_first_s))

machine="$(nproc) cores, $(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo), $(wine --version 2>/dev/null), load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
table=$E2E_ARTIFACTS/footprint.md
{
  echo "Footprint of the running widget, $(date -u '+%Y-%m-%d %H:%M UTC'); $machine."
  echo "Start-ups: $runs each, alternating (sparvane ms: ${sparvane_ms[*]}; minimal ms: ${minimal_ms[*]})."
  echo "Idle: ${idle_s} s after a ${warmup_s} s warm-up, 200 kB/s of loopback traffic; leak watch: ${duration_s} s, every ${interval_s} s."
  echo
  echo "| figure | sparvane.exe | minimal program | sparvane vs minimal | aim | met |"
  echo "|---|---|---|---|---|---|"
  echo "| start-up to visible window (median, ms) | $start_s | $start_m | ${start_ratio}x | ≤ 1.5x | $(mark "$start_ratio" 1.5) |"
  echo "| CPU while idle (% of one core) | $cpu_s | $cpu_m | $cpu_diff points | < +0.5 | $(mark "$cpu_diff" 0.5) |"
  echo "| resident memory, VmRSS (MiB) | $(mib "$rss_s") | $(mib "$rss_m") | $(diff_mib "$rss_s" "$rss_m") MiB | < +4 MiB | $(mark "$(diff_mib "$rss_s" "$rss_m")" 4) |"
  echo "| private memory, Private_* of smaps_rollup (MiB) | $(mib "$priv_s") | $(mib "$priv_m") | $(diff_mib "$priv_s" "$priv_m") MiB | < +4 MiB | $(mark "$(diff_mib "$priv_s" "$priv_m")" 4) |"
  echo "| anonymous resident, RssAnon (MiB) | $(mib "$anon_s") | $(mib "$anon_m") | $(diff_mib "$anon_s" "$anon_m") MiB | | |"
  echo "| proportional set, Pss (MiB) | $(mib "$pss_s") | $(mib "$pss_m") | $(diff_mib "$pss_s" "$pss_m") MiB | | |"
  echo "| windows owned, start → end (slope/h) | $(trend_cell 4 1 %d "${leak_s[@]}") | $(trend_cell 4 1 %d "${leak_m[@]}") | | flat | $(flat_counts 4 "${leak_s[@]}") |"
  if ((gdi_max == 0)); then
    echo "| GDI + USER objects (GetGuiResources) | 0 (Wine stub) | 0 (Wine stub) | not observable under Wine | flat | n/a |"
  else
    echo "| GDI objects, start → end (slope/h) | $(trend_cell 2 1 %d "${leak_s[@]}") | $(trend_cell 2 1 %d "${leak_m[@]}") | | flat | $(flat_counts 2 "${leak_s[@]}") |"
    echo "| USER objects, start → end (slope/h) | $(trend_cell 3 1 %d "${leak_s[@]}") | $(trend_cell 3 1 %d "${leak_m[@]}") | | flat | $(flat_counts 3 "${leak_s[@]}") |"
  fi
  echo "| private memory over the watch, MiB (slope/h) | $(trend_cell 5 1024 %.2f "${leak_s[@]}") | $(trend_cell 5 1024 %.2f "${leak_m[@]}") | $((priv_growth)) KiB growth | ≤ 256 KiB | $(mark "$priv_growth" 256) |"
  echo "| exe size (KiB) | $((size_s / 1024)) | $((size_m / 1024)) | $(ratio "$size_s" "$size_m")x | ≤ 1024 KiB | $(mark "$size_s" 1048576) |"
  echo "| DLLs of its own (imports: $imports) | ${own_dlls:-none} | | | none | $([[ -z $own_dlls ]] && echo yes || echo '**no**') |"
  echo "| wineserver CPU during the idle minute (% of one core, shared) | $cpu_w | | | | |"
} >"$table"
cat "$table"
say "table in ${table#"$root"/}, raw samples in ${raw#"$root"/}; gdi_first=$gdi_first"
