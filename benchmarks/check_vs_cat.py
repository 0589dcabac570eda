#!/usr/bin/env python3
"""`zvk check` of a large macro file against `cat` and `dd` of the same file.

    benchmarks/check_vs_cat.py [--zvk build/linux-release/tools/zvk/zvk] [--runs 7] [--wide]

Builds a 19 MB macro file with `zvk build` in a scratch folder (49 submenus of
48 items, each text 8 KiB: the most the Edit SubMenus dialog makes), reads it
once with each command so that all find it in the page cache, then runs
`zvk check FILE`, `cat FILE` and `dd if=FILE of=/dev/null bs=32M` in turn, each
with its output thrown away, and prints for each the median of the runs: the
wall-clock time from starting the process to its end, and the processor time
it used (user and system, which other work on the machine disturbs less).
With --wide the same document is written with every string in the file
format's UTF-16 form (39 MB), which the program reads as well as the
single-byte form.

`cat` streams the file through one small buffer; `dd` with a block larger
than the file reads it whole into memory that is new to the process, as
zvk must: the system then makes each of its pages on first use, which costs
more than the copying on a virtual machine.
"""

import argparse
import json
import os
import statistics
import struct
import subprocess
import tempfile
import time

SUBMENUS = 49
ITEMS = 48
TEXT_BYTES = 8192


def wide(text):
    """A counted string in the wide form: the marker, the unit count, UTF-16LE."""
    units = text.encode("utf-16le")
    count = len(units) // 2
    prefix = bytes([count]) if count < 0xFF else b"\xff" + struct.pack("<H", count)
    return b"\xff\xfe\xff" + prefix + units


def build(zvk, folder, as_wide):
    submenus = [{"name": f"Submenu {s}",
                 "items": [{"name": f"Item {j}", "text": chr(ord("a") + (s * ITEMS + j) % 26) * TEXT_BYTES}
                           for j in range(ITEMS)]}
                for s in range(SUBMENUS)]
    if as_wide:
        target = os.path.join(folder, "large-wide.zvk")
        with open(target, "wb") as f:
            f.write(struct.pack("<4i", 1, 0, 0, SUBMENUS))
            for submenu in submenus:
                f.write(struct.pack("<i", ITEMS) + wide(submenu["name"]))
                for item in submenu["items"]:
                    f.write(wide(item["name"]) + wide(item["text"]) + struct.pack("<i", 0))
        return target
    source = os.path.join(folder, "large.json")
    with open(source, "w", encoding="utf-8") as f:
        json.dump({"submenus": submenus}, f)
    target = os.path.join(folder, "large.zvk")
    subprocess.run([zvk, "build", source, target], check=True)
    return target


def run_once(command):
    """Wall-clock seconds and processor seconds of one run."""
    with open(os.devnull, "wb") as sink:
        started = time.perf_counter()
        pid = os.posix_spawn(command[0], command, os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, sink.fileno(), 1)])
        _, status, usage = os.wait4(pid, 0)
        wall = time.perf_counter() - started
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit(f"{' '.join(command)} failed")
    return wall, usage.ru_utime + usage.ru_stime


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zvk", default="build/linux-release/tools/zvk/zvk")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--wide", action="store_true", help="every string in the UTF-16 form")
    args = parser.parse_args()
    zvk = os.path.abspath(args.zvk)
    cat, dd = "/bin/cat", "/bin/dd"
    with tempfile.TemporaryDirectory(prefix="zvk-check-vs-cat-") as folder:
        path = build(zvk, folder, args.wide)
        commands = {"zvk check": [zvk, "check", path], "cat": [cat, path],
                    "dd": [dd, f"if={path}", "of=/dev/null", "bs=32M", "status=none"]}
        for command in commands.values():
            run_once(command)
        times = {label: [] for label in commands}
        for _ in range(args.runs):
            for label, command in commands.items():
                times[label].append(run_once(command))
        print(f"file: {os.path.getsize(path) / 1e6:.1f} MB, {args.runs} runs each, interleaved; "
              f"load average {os.getloadavg()[0]:.2f} on {os.cpu_count()} processors")
        medians = {}
        for label, runs in times.items():
            medians[label] = (statistics.median(w for w, _ in runs), statistics.median(c for _, c in runs))
            wall, cpu = medians[label]
            print(f"{label}: {wall * 1000:.1f} ms wall clock, {cpu * 1000:.1f} ms processor (medians)")
        zvk_wall, zvk_cpu = medians["zvk check"]
        for other in ("cat", "dd"):
            wall, cpu = medians[other]
            print(f"zvk check / {other}: {zvk_wall / wall:.2f}x wall clock, {zvk_cpu / cpu:.2f}x processor")


if __name__ == "__main__":
    main()
