#!/usr/bin/env python3
"""Peak memory of `zvk trace` on large picks.

    benchmarks/trace_memory.py [--zvk build/linux-release/tools/zvk/zvk]

Builds two macro files with `zvk build` in a scratch folder, traces a pick of
each with the output thrown away, and prints the peak resident size that
`/usr/bin/time -v` reports:

- chained: one submenu of 48 chained items, 35 MB in all: every eighth item
  a quoted token (typed key by key), the others plain text (pasted through
  the clipboard);
- quoted: one item whose text is a quoted token of 1 MB (typed key by key).
"""

import argparse
import json
import os
import re
import subprocess
import tempfile
import time

LINE = "The quick brown fox jumps over the lazy dog, 0123456789.\r\n"


def text_of(size):
    return (LINE * (size // len(LINE) + 1))[:size]


def build(zvk, folder, name, items):
    source = os.path.join(folder, name + ".json")
    with open(source, "w", encoding="utf-8") as f:
        json.dump({"submenus": [{"name": "Big", "items": items}]}, f)
    target = os.path.join(folder, name + ".zvk")
    subprocess.run([zvk, "build", source, target], check=True)
    return target


def peak(zvk, path):
    started = time.monotonic()
    run = subprocess.run(["/usr/bin/time", "-v", zvk, "trace", "--pick", "0", "0", path],
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, check=True)
    seconds = time.monotonic() - started
    kib = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1))
    return kib, seconds


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zvk", default="build/linux-release/tools/zvk/zvk")
    args = parser.parse_args()
    zvk = os.path.abspath(args.zvk)
    with tempfile.TemporaryDirectory(prefix="zvk-trace-memory-") as folder:
        plain = text_of(35 * 1000 * 1000 // 48)
        typed = '["' + plain[:-4].replace("\r\n", "  ") + '"]'
        chained = build(zvk, folder, "chained",
                        [{"name": f"Part {j}", "text": typed if j % 8 == 0 else plain, "chain": j < 47}
                         for j in range(48)])
        quoted = build(zvk, folder, "quoted",
                       [{"name": "Typed", "text": '["' + text_of(1000 * 1000).replace("\r\n", " ") + '"]'}])
        for label, path in (("chained", chained), ("quoted", quoted)):
            kib, seconds = peak(zvk, path)
            size = os.path.getsize(path)
            print(f"{label}: file {size / 1e6:.1f} MB, peak RSS {kib / 1024:.1f} MiB, {seconds:.2f} s")


if __name__ == "__main__":
    main()
