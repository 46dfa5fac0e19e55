#!/usr/bin/env python3
"""The arithmetic of scripts/bench.

  bench-figures.py cpu PREFIX SECONDS NAME...
      Samples, in 10 s windows over SECONDS, the CPU used by the Wine processes of
      PREFIX whose process name is NAME (and by that prefix's wineserver), as % of one
      core. Prints one line per process: its name, then one figure per window.
  bench-figures.py accept PORT N
      The reference of the server figure: listens on 127.0.0.1:PORT with kyz424lx's
      backlog of 5, accepts N connections, prints the milliseconds from listening to the last accept, and
      closes them.
  bench-figures.py table FOLDER
      Prints the table of figures from the files scripts/bench wrote into FOLDER.
"""
import os
import socket
import statistics
import sys
import time

WINDOW_SECONDS = 10


def wine_processes(prefix, names):
    found = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/comm") as f:
                comm = f.read().strip()
            with open(f"/proc/{pid}/environ", "rb") as f:
                env = f.read().split(b"\0")
        except OSError:
            continue
        if f"WINEPREFIX={prefix}".encode() not in env:
            continue
        if comm in names:
            found[comm] = int(pid)
        elif comm.startswith("wineserver"):
            found["wineserver"] = int(pid)
    return found


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime, exited threads included


def sample_cpu(prefix, seconds, names):
    processes = wine_processes(prefix, names)
    missing = [n for n in names if n not in processes]
    if missing:
        sys.exit(f"not running: {', '.join(missing)}")
    hz = os.sysconf("SC_CLK_TCK")
    figures = {name: [] for name in processes}
    before = {name: cpu_ticks(pid) for name, pid in processes.items()}
    for _ in range(max(1, seconds // WINDOW_SECONDS)):
        time.sleep(WINDOW_SECONDS)
        for name, pid in processes.items():
            now = cpu_ticks(pid)
            figures[name].append(100.0 * (now - before[name]) / hz / WINDOW_SECONDS)
            before[name] = now
    for name, values in figures.items():
        print(name, *(f"{v:.2f}" for v in values))


def accept_all(port, count):
    with socket.socket() as listener:
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", port))
        start = time.monotonic()
        listener.listen(5)  # the backlog kyz424lx's server asks for
        accepted = [listener.accept()[0] for _ in range(count)]
        print(f"{1000 * (time.monotonic() - start):.3f}")
        for connection in accepted:
            connection.close()


def read_numbers(path):
    try:
        with open(path) as f:
            return [float(line) for line in f if line.strip()]
    except OSError:
        return []


def read_cpu(path):
    rows = {}
    try:
        with open(path) as f:
            for line in f:
                name, *values = line.split()
                rows[name] = [float(v) for v in values]
    except OSError:
        pass
    return rows


def summary(values, unit):
    if not values:
        return "not measured", ""
    return (f"{statistics.median(values):.2f} {unit}",
            f"{min(values):.2f}..{max(values):.2f} (n={len(values)})")


def table(folder):
    cpu = read_cpu(os.path.join(folder, "idle.txt"))
    # Each figure: its name, unit, then kyz424lx's and the reference's source, a file of
    # timings in FOLDER or a process of the idle figure ("cpu:NAME").
    rows = [
        ("\"設定\" -> first byte at signsim, pty", "ms", "serial_press",
         "plain WriteFile to COM1", "serial_plain"),
        ("\"設定\" -> first byte at signsim, TCP", "ms", "tcp_press",
         "plain send() on a socket", "tcp_plain"),
        ("CPU idle, serial link open on a pty", "% core", "cpu:kyz424lx.exe",
         "plain Win32 window program", "cpu:plain_window.ex"),
        ("start -> main window painted", "ms", "start_kyz424lx",
         "plain Win32 window program", "start_plain"),
        ("server: 96 adapters connect -> all listed", "ms", "server_listed",
         "the same adapters, bare accept (backlog 5)", "server_plain"),
    ]

    def values(source):
        if source.startswith("cpu:"):
            return cpu.get(source[4:], [])
        return read_numbers(os.path.join(folder, source + ".txt"))

    header = ("figure", "kyz424lx median", "spread", "reference", "median", "spread", "ratio")
    lines = [header]
    for name, unit, ours_source, reference_name, reference_source in rows:
        ours, reference = values(ours_source), values(reference_source)
        ratio = ""
        if ours and reference and statistics.median(reference) > 0:
            ratio = f"{statistics.median(ours) / statistics.median(reference):.2f}"
        lines.append((name, *summary(ours, unit), reference_name, *summary(reference, unit), ratio))
    if "wineserver" in cpu:
        lines.append(("wineserver during the idle figure", *summary(cpu["wineserver"], "% core"),
                      "", "", "", ""))
    widths = [max(len(row[i]) for row in lines) for i in range(len(header))]
    for row in lines:
        print(" | ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())


def main():
    if len(sys.argv) >= 5 and sys.argv[1] == "cpu":
        sample_cpu(sys.argv[2], int(sys.argv[3]), sys.argv[4:])
    elif len(sys.argv) == 4 and sys.argv[1] == "accept":
        accept_all(int(sys.argv[2]), int(sys.argv[3]))
    elif len(sys.argv) == 3 and sys.argv[1] == "table":
        table(sys.argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
