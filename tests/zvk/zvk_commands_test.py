#!/usr/bin/env python3
"""Runs the built zvk tool on real files, each case in a fresh folder with
names relative to it (so that the same cases run under Wine): its exit
statuses, its output and the files it writes or leaves alone."""
import argparse
import json
import os
import resource
import shutil
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ARGS = None

# The two-submenu example: "TopLevel" holding Enter (chained) and Tab, then
# "Help" holding nothing. 70 bytes.
EXAMPLE = bytes.fromhex("01000000" "00000000" "00000000" "02000000" "02000000" "08546F704C6576656C"
    "05456E746572" "075B656E7465725D" "01000000" "03546162" "055B7461625D" "00000000"
    "00000000" "0448656C70")
EXAMPLE_JSON = {"version": 1, "submenus": [
    {"name": "TopLevel", "items": [{"name": "Enter", "text": "[enter]", "chain": 1},
                                   {"name": "Tab", "text": "[tab]", "chain": 0}]}, {"name": "Help", "items": []}]}
VERSION_MESSAGE = ("Zorvakomat Error:  Unable to load this file with this version of Zorvakomat."
                   "  Please check for an upgrade at ")
PASTE = ["down 11", "down 56", "up 56", "up 11", "sleep 250"]


def i32(value):
    return struct.pack("<i", value)


HEAD = i32(1) + i32(0) + i32(0)


class Run:
    def __init__(self, rc, out, err, seconds):
        # The Windows C runtime writes text-mode line ends.
        self.rc, self.seconds = rc, seconds
        self.out, self.err = (data.decode("utf-8", "replace").replace("\r\n", "\n") for data in (out, err))

    def __str__(self):
        return f"exit {self.rc}, stdout {self.out!r}, stderr {self.err!r}"


def zvk(*args):
    env, limit = dict(os.environ), None
    if ARGS.sanitized:   # the sanitizers reserve address space: limit allocations instead
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":max_allocation_size_mb=64:allocator_may_return_null=0"
    elif not ARGS.emulator:
        # No run may use more than 512 MiB, so a file that claims a huge
        # string must be refused without allocating it.
        def limit():
            resource.setrlimit(resource.RLIMIT_AS, (512 << 20, 512 << 20))
    # Output goes to files, not pipes: a wineserver started by the run
    # inherits them and would hold a pipe open for seconds after it ends.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.monotonic()
        rc = subprocess.run(([ARGS.emulator] if ARGS.emulator else []) + [ARGS.zvk, *args], env=env,
                            stdin=subprocess.DEVNULL, stdout=out, stderr=err, preexec_fn=limit,
                            timeout=600 if ARGS.emulated else 120).returncode
        seconds = time.monotonic() - start
        out.seek(0)
        err.seek(0)
        return Run(rc, out.read(), err.read(), seconds)


def check(condition, what, run=None):
    if not condition:
        raise AssertionError(what + (f"\n    {run}" if run else ""))


def expect(run, rc, stderr="", stdout=None):
    """stderr: a str is the whole of it, a tuple parts of it; no stdout after a failure."""
    check(run.rc == rc, f"exit status {rc} expected", run)
    if isinstance(stderr, tuple):
        check(all(part in run.err for part in stderr), f"stderr with {stderr} expected", run)
    else:
        check(run.err == stderr, f"stderr {stderr!r} expected", run)
    if stdout is not None or rc:
        check(run.out == (stdout or ""), f"stdout {stdout!r} expected", run)
    return run


def write(name, data):
    Path(name).write_bytes(data if isinstance(data, bytes) else data.encode("utf-8"))


def read(name):
    return Path(name).read_bytes()


def build(doc, name):
    write(name + ".json", json.dumps(doc))
    expect(zvk("build", name + ".json", name), 0, stdout="")


def build_and_dump_go_both_ways_byte_for_byte():
    build(EXAMPLE_JSON, "ex.zvk")
    check(read("ex.zvk") == EXAMPLE, f"the 70-byte example expected, got {read('ex.zvk').hex()}")
    run = expect(zvk("dump", "ex.zvk"), 0)
    check(json.loads(run.out) == EXAMPLE_JSON, "dump gives the example's content", run)
    if ARGS.emulated:   # a build and a dump show that the 32-bit tool writes and reads
        return
    expect(zvk("check", "ex.zvk"), 0, stdout='ex.zvk: version 1, 2 submenus, 2 items\n  submenu 0 '
           '"TopLevel": 2 items\n  submenu 1 "Help": 0 items\nno warnings\n')
    write("empty.zvk", b"")
    expect(zvk("dump", "empty.zvk"), 0, stdout='{\n  "version": 1,\n  "submenus": []\n}\n')
    # Dump gives all of Unicode back; check says what older versions show of
    # a name or text the code page lacks, and where half of a surrogate pair
    # was read as U+FFFD.
    world = {"submenus": [{"name": "Zo\u00eb \u4e2d\u6587 \u0416 \U0001f642",
                           "items": [{"name": "Zo\u00eb", "text": "\u0395\u03bb\u03bb\u03ac\u03b4\u03b1", "chain": 0}]}]}
    build(world, "world.zvk")
    check(json.loads(expect(zvk("dump", "world.zvk"), 0).out)["submenus"] == world["submenus"], "dumped whole")
    write("half.zvk", HEAD + i32(1) + i32(0) + b"\xff\xfe\xff\x02" + "\ud83dA".encode("utf-16le", "surrogatepass"))
    said = expect(zvk("check", "world.zvk"), 0).out + expect(zvk("check", "half.zvk"), 0).out
    for warning in ('The name of submenu 0 "Zo\u00eb \u4e2d\u6587 \u0416 \U0001f642" is saved in the file\'s '
                    'UTF-16 form: older versions show these characters as question marks.',
                    'The text of item 0.0 "Zo\u00eb" is saved', 'The name of submenu 0 "\ufffdA" holds '
                    'U+FFFD, which stands where the file had half of a UTF-16 surrogate pair'):
        check(warning in said, f"check warns: {warning}", said)
    if not ARGS.emulator:
        with open("/dev/full", "wb") as full:
            proc = subprocess.run([ARGS.zvk, "dump", "ex.zvk"], stdout=full, stderr=subprocess.PIPE)
        check((proc.returncode, proc.stderr) == (2, b"Unable to write the output.\n"),
              f"a full disk is reported: exit {proc.returncode}, stderr {proc.stderr!r}")


# Each kind of file that cannot be read: its bytes (None: no such file;
# "folder": a folder of that name), the command, the exit status and what
# the one line of the message says.
BAD_FILES = [
    ("v2.zvk", i32(2) + EXAMPLE[4:], ["dump"], 3, VERSION_MESSAGE),
    ("subs.zvk", HEAD + i32(51), ["dump"], 5, "subs.zvk has a bad format."),
    # Its first name claims 2 GiB of wide characters.
    ("wide.zvk", HEAD + i32(1) + i32(0) + b"\xff\xfe\xff\xff\xff\xff" + i32(0x7FFFFFFF) + b"xxxx",
     ["dump"], 4, "past its end"),
    ("missing.zvk", None, ["trace", "--pick", "0", "0"], 2, "missing.zvk was not found."),
    ("folder.zvk", "folder", ["check"], 2, "folder.zvk")]


def each_kind_of_bad_file_fails_at_once_with_its_status():
    # Under emulation every run takes about a minute: one kind of file only.
    limit, rows = (300, BAD_FILES[1:2]) if ARGS.emulated else (15 if ARGS.emulator else 3,
                                                               BAD_FILES)
    for name, data, command, rc, says in rows:
        if data:
            os.mkdir(name) if data == "folder" else write(name, data)
        run = expect(zvk(*command, name), rc, (says,))
        check(run.err.count("\n") == 1, f"{name}: one line of message", run)
        check(run.seconds < limit, f"{name}: refused in a moment, took {run.seconds:.1f} s")


def build_replaces_a_file_only_with_a_complete_one():
    write("ex.json", json.dumps(EXAMPLE_JSON))
    previous = b"previous content, longer than the new file " * 3
    write("out.zvk", previous)
    for name, content, rc, message in [
            ("syntax.json", '{\n  "submenus": [,]\n}', 5,
             "syntax.json, line 2, column 16: expected a value, found ','."),
            ("half.json", '{"submenus": [{"name": "\\ud800", "items": []}]}', 5,
             "half.json, line 1, column 25: a high surrogate \\uD800 without a low surrogate after it."),
            ("missing.json", None, 2, "missing.json was not found.")]:
        if content:
            write(name, content)
        expect(zvk("build", name, "out.zvk"), rc, message + "\n")
        check(read("out.zvk") == previous, f"{name}: the existing file is untouched")
    expect(zvk("build", "ex.json", "no-such-folder/out.zvk"), 2, ("contains an invalid path.",))
    os.mkdir("dir.zvk")
    expect(zvk("build", "ex.json", "dir.zvk"), 2, ("dir.zvk",))
    expect(zvk("build", "ex.json", "out.zvk"), 0, stdout="")
    check(read("out.zvk") == EXAMPLE, "replaced by the new file")
    check(sorted(os.listdir()) == ["dir.zvk", "ex.json", "half.json", "out.zvk", "syntax.json"],
          f"no temporary file left: {os.listdir()}")


def usage_errors():
    expect(zvk(), 1, ("Usage:",))
    expect(zvk("frobnicate"), 1, ('Unknown command "frobnicate".',))
    expect(zvk("build", "a.json"), 1, ("build takes 2 arguments, not 1.",))
    expect(zvk("trace", "--layout", "uk", "a"), 1, ("--layout needs us, fr or de.",))
    check("zvk trace" in expect(zvk("help"), 0).out, "help shows the usage")


def trace_shows_each_effect_of_a_text_or_a_pick_and_refuses_what_the_menu_cannot():
    traces = [(["--answer", "Bob", '["[&1Name?][%1]"]'], ['prompt 1 "Name?" single', "down 10",
               "down 42", "up 42", "up 10", "down 4f", "up 4f", "down 42", "up 42", "recognised"])]
    if not ARGS.emulator:   # Wine hands the program its arguments in the system code page
        # A character the layout lacks goes as itself; AltGr is Ctrl with Alt;
        # a key the macro left down is released at the end.
        traces += [(["--layout", "de", '["@\u00e9[shift]"]'],
                    ["down 11", "down 12", "down 51", "up 51", "up 12", "up 11", "down u+00e9",
                     "up u+00e9", "down 10", "released 10", "recognised"]),
                   (["--layout", "fr", '["1\u00e9"]'], ["down 10", "down 31", "up 31", "up 10",
                                                      "down 32", "up 32", "recognised"]),
                   (['["\u4e2d\U0001f642"]'], ["down u+4e2d", "up u+4e2d", "down u+d83d", "up u+d83d",
                                             "down u+de42", "up u+de42", "recognised"]),
                   (["\u00e9\u4e2d"], ['clipboard "\u00e9\u4e2d"'] + PASTE + ["pasted"])]
    # A picked chain answers its prompts: the default with OK, nothing typed on Cancel.
    items = [{"name": "Default", "text": "[*Jo]", "chain": 1},
             {"name": "Ask", "text": "[&1Name?]", "chain": 1}, {"name": "Type", "text": "[%1]"}]
    build({"submenus": [{"name": "P", "items": items + items[2:] * 47}]}, "p.zvk")
    chain = ["sleep 500", "run 0 0", "recognised", "run 0 1",
             'prompt 1 "Name?" default "Jo" single', "recognised", "run 0 2"]
    traces += [(["--ok", "--pick", "0", "0", "p.zvk"],
                chain + ["down 10", "down 4a", "up 4a", "up 10", "down 4f", "up 4f", "recognised"]),
               (["--cancel", "--pick", "0", "0", "p.zvk"], chain + ["recognised"])]
    for args, lines in traces:
        expect(zvk("trace", *args), 0, stdout="\n".join(lines) + "\n")
    for pick, rc, says in [(("1", "0"), 1, "p.zvk has no submenu 1 (it holds 1).\n"),
                           (("0", "49"), 1, ("cannot be picked",)), (("0", "48"), 0, "")]:
        expect(zvk("trace", "--pick", *pick, "p.zvk"), rc, says)
    write("ex.zvk", EXAMPLE)
    expect(zvk("trace", "--pick", "1", "0", "ex.zvk"), 1,
           "Submenu 1 of ex.zvk has no item 0 (it holds 0).\n")


def starter_example_is_built_from_its_json_and_is_clean():
    for name in ("starter.json", "starter.zvk"):
        shutil.copy(os.path.join(ARGS.examples, name), ".")
    expect(zvk("build", "starter.json", "rebuilt.zvk"), 0)
    check(read("rebuilt.zvk") == read("starter.zvk"), "starter.zvk is starter.json built")
    check(expect(zvk("check", "starter.zvk"), 0).out.endswith("\nno warnings\n"), "no warnings")
    for s, submenu in enumerate(json.loads(expect(zvk("dump", "starter.zvk"), 0).out)["submenus"]):
        for j in range(len(submenu["items"])):
            expect(zvk("trace", "--ok", "--ok", "--pick", str(s), str(j), "starter.zvk"), 0)


CASES = [build_and_dump_go_both_ways_byte_for_byte,
         each_kind_of_bad_file_fails_at_once_with_its_status,
         build_replaces_a_file_only_with_a_complete_one, usage_errors,
         trace_shows_each_effect_of_a_text_or_a_pick_and_refuses_what_the_menu_cannot,
         starter_example_is_built_from_its_json_and_is_clean]


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--zvk", required=True, type=os.path.abspath)
    parser.add_argument("--examples", required=True, type=os.path.abspath)
    parser.add_argument("--emulator", type=os.path.abspath)
    parser.add_argument("--sanitized", action="store_true")
    parser.add_argument("--emulated", action="store_true", help="under user-mode emulation")
    parser.add_argument("cases", nargs="*", help="names of the cases to run (all when none)")
    ARGS = parser.parse_args()
    failed = []
    selected = [c for c in CASES if not ARGS.cases or c.__name__ in ARGS.cases]
    for fn in selected:
        with tempfile.TemporaryDirectory(prefix="zvk-test-", ignore_cleanup_errors=True) as d:
            try:
                os.chdir(d)
                fn()
                print(f"ok      {fn.__name__}")
            except AssertionError as e:
                failed.append(fn.__name__)
                print(f"FAILED  {fn.__name__}: {e}")
    print(f"{len(selected) - len(failed)} of {len(selected)} zvk command cases passed")
    return 1 if failed or not selected else 0


if __name__ == "__main__":
    sys.exit(main())
