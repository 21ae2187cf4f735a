#!/usr/bin/env python3
"""Traffic and measuring for the traffic scenario (tests/e2e/scenarios/30_traffic.sh).

  receive PORT                         accepts connections on PORT and drains them
  send HOST PORT RATE CHUNK STOPFILE   sends CHUNK-byte writes at RATE bytes/s (0: full speed)
  sample LOG STOPFILE IF...            every 50 ms: time and rx_bytes of each interface
  figures LOG SAMPLES COLUMN LO HI     every sampled widget figure against the kernel's count
  tip LOG TIPS COLUMN                  each tray tip's received total against the kernel's count

Everything stops by itself: the senders and the sampler when STOPFILE exists, and the
scenario runs each under `timeout`.
"""
import bisect
import os
import socket
import sys
import threading
import time

TICK = 0.5  # the program's traffic tick, seconds


def receive(port):
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("0.0.0.0", int(port)))
    server.listen(8)

    def drain(conn):
        buf = bytearray(1 << 20)
        while conn.recv_into(buf):
            pass

    while True:
        conn, _ = server.accept()
        threading.Thread(target=drain, args=(conn,), daemon=True).start()


def send(host, port, rate, chunk, stop):
    rate, chunk = float(rate), int(chunk)
    for _ in range(100):  # the receiver may still be starting
        try:
            conn = socket.create_connection((host, int(port)))
            break
        except OSError:
            time.sleep(0.1)
    conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    data = memoryview(b"x" * chunk)
    due = time.monotonic()
    while not os.path.exists(stop):
        conn.sendall(data)
        if rate > 0:  # paced on a schedule, so a late write is made up, not lost
            due += chunk / rate
            time.sleep(max(0.0, due - time.monotonic()))


def sample(log, stop, *interfaces):
    with open(log, "a", buffering=1) as out:
        while not os.path.exists(stop):
            counts = []
            for name in interfaces:
                with open(f"/sys/class/net/{name}/statistics/rx_bytes") as f:
                    counts.append(f.read().strip())
            out.write(f"{time.time():.3f} {' '.join(counts)}\n")
            time.sleep(0.05)


def kernel_log(path, column):
    times, counts = [], []
    with open(path) as f:
        for line in f:
            parts = line.split()
            times.append(float(parts[0]))
            counts.append(int(parts[1 + int(column)]))
    return times, counts


def count_at(times, counts, t):
    """The kernel's count at time t, read off the 50 ms samples (linear in between)."""
    i = bisect.bisect_left(times, t)
    if i <= 0:
        return counts[0]
    if i >= len(times):
        return counts[-1]
    t0, t1, c0, c1 = times[i - 1], times[i], counts[i - 1], counts[i]
    return c0 + (c1 - c0) * (t - t0) / (t1 - t0) if t1 > t0 else c1


def count_bounds(times, counts, t0, t1):
    """The kernel's count can only grow: at the sample at or before t0 it was at most what
    it was at t0, at the sample at or after t1 at least what it was at t1 (a packet between
    two samples makes the count jump, which a line between them would miss)."""
    i = max(0, bisect.bisect_right(times, t0) - 1)
    j = min(len(times) - 1, bisect.bisect_left(times, t1))
    return counts[i], counts[j]


def figures(log, samples, column, lo, hi):
    """A figure read between t0 and t1 was made by the program's last tick before t1, from
    the bytes since the tick before that: some half second within [t0 - 1.5, t1] (1 s of
    room for a late tick). Every 500 ms window of the kernel's count inside that span
    gives a rate in kilobits per second; the widget's figure must lie between LO x the
    smallest and HI x the largest of them. The program divides each interval's bytes by
    its measured length, so an early or a late tick shows the rate too; the scenario
    passes 0.6 and 1.7: a figure lost at a wrap (0), a wrap counted as 4 GiB, half a rate
    from an early tick or loopback traffic counted lie far outside either."""
    times, counts = kernel_log(log, column)
    lo, hi, bad, rows = float(lo), float(hi), 0, 0
    with open(samples) as f:
        for line in f:
            t0, t1, figure, bar = line.split()
            t0, t1, figure = float(t0), float(t1), float(figure)
            windows = []
            start = t0 - 1.5
            # The program's interval between two readings is some 250 to 750 ms under
            # load, so windows of each of those lengths are compared.
            while start + TICK / 2 <= t1 + 1e-9:
                for length in (TICK / 2, TICK, TICK * 1.5):
                    if start + length <= t1 + 1e-9:
                        moved = count_at(times, counts, start + length) - count_at(times, counts, start)
                        windows.append(moved * 8 / 1000 / length)
                start += 0.05
            low, high = min(windows), max(windows)
            ok = lo * low <= figure <= hi * high
            rows += 1
            bad += not ok
            print(f"widget {figure:>12.1f} bar {bar:>3}   kernel {low:>12.1f} .. {high:>12.1f}  {'ok' if ok else 'WRONG'}")
    print(f"{rows} figures, {bad} wrong")
    return 1 if bad or rows == 0 else 0


def tip(log, tips, column):
    """The link is the only interface the program counts, and it had carried nothing when
    the program started, so the tip's received total is the kernel's own count at the
    moment of some reading: one made in [t0 - 1.5, t1] for a tip read between t0 and t1.
    It must lie within the kernel's count over that span, and never fall."""
    times, counts = kernel_log(log, column)
    bad, rows, last = 0, 0, 0
    with open(tips) as f:
        for line in f:
            t0, t1, total = line.split()
            t0, t1, total = float(t0), float(t1), int(total)
            low, high = count_bounds(times, counts, t0 - 1.5, t1)
            ok = total >= last and low <= total <= high
            rows += 1
            bad += not ok
            last = max(last, total)
            print(f"tip {total:>15,}   kernel {int(low):>15,} .. {int(high):>15,}  {'ok' if ok else 'WRONG'}")
    return 1 if bad or rows < 2 else 0


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    sys.exit({"receive": receive, "send": send, "sample": sample, "figures": figures, "tip": tip}[command](*args))
