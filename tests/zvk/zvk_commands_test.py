#!/usr/bin/env python3
"""Runs the built zvk tool on real files and checks its exit statuses, its
output and the files it writes, byte for byte.

    zvk_commands_test.py --zvk PATH [--emulator RUNNER] [--examples DIR] [--sanitized]
                         [--emulated] [CASE ...]

Every case runs in a fresh folder, with file names relative to it (so that
the same cases run under Wine). A case that fails is reported with what was
expected and what came; the script exits 1 if any failed.
"""

import argparse
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

ARGS = None
CASES = []

# The file of the two-submenu example: "TopLevel" holding Enter (chained)
# and Tab, then "Help" holding nothing. 70 bytes.
EXAMPLE = bytes.fromhex(
    "01000000" "00000000" "00000000" "02000000"
    "02000000" "08546F704C6576656C"
    "05456E746572" "075B656E7465725D" "01000000"
    "03546162" "055B7461625D" "00000000"
    "00000000" "0448656C70")
EXAMPLE_JSON = {"version": 1, "submenus": [
    {"name": "TopLevel", "items": [
        {"name": "Enter", "text": "[enter]", "chain": 1},
        {"name": "Tab", "text": "[tab]", "chain": 0}]},
    {"name": "Help", "items": []}]}

VERSION_MESSAGE = ("Zorvakomat Error:  Unable to load this file with this version of Zorvakomat."
                   "  Please check for an upgrade at ")
PASTE = ["down 11", "down 56", "up 56", "up 11", "sleep 250"]


class Failure(Exception):
    pass


def case(fn):
    CASES.append(fn)
    return fn


def under_wine():
    return bool(ARGS.emulator)


def i32(v):
    return struct.pack("<i", v)


def counted(s):
    assert len(s) < 255
    return bytes([len(s)]) + s


def limit_memory():
    # Natively without sanitizers: no run may use more than 512 MiB, so a
    # file that claims a huge string must be refused without allocating it.
    import resource
    resource.setrlimit(resource.RLIMIT_AS, (512 << 20, 512 << 20))


class Run:
    def __init__(self, proc, seconds):
        # The Windows C runtime writes text-mode line ends.
        self.rc = proc.returncode
        self.out = proc.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
        self.err = proc.stderr.decode("utf-8", "replace").replace("\r\n", "\n")
        self.out_bytes = proc.stdout.replace(b"\r\n", b"\n")
        self.seconds = seconds

    def lines(self):
        return self.out.splitlines()


def zvk(*args, cwd):
    command = ([ARGS.emulator] if ARGS.emulator else []) + [ARGS.zvk] + list(args)
    env = dict(os.environ)
    preexec = None
    if ARGS.sanitized:
        # The sanitizers reserve address space, so limit allocations instead.
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":max_allocation_size_mb=64:allocator_may_return_null=0"
    elif not ARGS.emulator:
        preexec = limit_memory
    # Output goes to files, not pipes: a wineserver started by the run
    # inherits them and would hold a pipe open for seconds after it ends.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.monotonic()
        proc = subprocess.run(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                              preexec_fn=preexec, timeout=600 if ARGS.emulated else 120)
        seconds = time.monotonic() - start
        out.seek(0)
        err.seek(0)
        proc.stdout = out.read()
        proc.stderr = err.read()
    return Run(proc, seconds)


def check(condition, what, run=None):
    if not condition:
        detail = ""
        if run is not None:
            detail = f"\n    exit {run.rc}\n    stdout: {run.out!r}\n    stderr: {run.err!r}"
        raise Failure(what + detail)


def expect_status(run, rc, stderr=None, stderr_has=None):
    check(run.rc == rc, f"exit status {rc} expected", run)
    if stderr is not None:
        check(run.err == stderr, f"stderr {stderr!r} expected", run)
    if stderr_has is not None:
        check(stderr_has in run.err, f"stderr with {stderr_has!r} expected", run)
    if rc != 0:
        check(run.out == "", "nothing on stdout expected after a failure", run)


def write(d, name, data):
    with open(os.path.join(d, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def read(d, name):
    with open(os.path.join(d, name), "rb") as f:
        return f.read()


def dump_json(d, name):
    run = zvk("dump", name, cwd=d)
    expect_status(run, 0, stderr="")
    return json.loads(run.out)


# --- dump and build --------------------------------------------------------

@case
def worked_example_round_trips_byte_for_byte(d):
    write(d, "ex.json", json.dumps({"submenus": [
        {"name": "TopLevel", "items": [{"name": "Enter", "text": "[enter]", "chain": 1},
                                       {"name": "Tab", "text": "[tab]"}]},
        {"name": "Help", "items": []}]}))
    run = zvk("build", "ex.json", "ex.zvk", cwd=d)
    expect_status(run, 0, stderr="")
    check(run.out == "", "build prints nothing", run)
    check(read(d, "ex.zvk") == EXAMPLE, f"the 70-byte example expected, got {read(d, 'ex.zvk').hex()}")

    check(dump_json(d, "ex.zvk") == EXAMPLE_JSON, "dump gives the example's content")
    if ARGS.emulated:   # a build and a dump show the 32-bit tool writes and reads
        return
    # What dump prints, build takes back to the same bytes.
    write(d, "again.json", zvk("dump", "ex.zvk", cwd=d).out_bytes)
    expect_status(zvk("build", "again.json", "again.zvk", cwd=d), 0, stderr="")
    check(read(d, "again.zvk") == EXAMPLE, "dump then build gives the same bytes")


HEAD = i32(1) + i32(0) + i32(0)
# 40 bytes whose first name claims 2 GiB (0xFF, 0xFFFF, then the length).
CLAIM = (HEAD + i32(1) + i32(0) + b"\xff\xff\xff" + i32(0x7FFFFFFF)).ljust(40, b"x")
# Each kind of file that cannot be read: its bytes (None: no such file,
# a folder: a folder of that name), the command, the exit status and what
# the one line of the message says.
BAD_FILES = [
    ("short.zvk", EXAMPLE[:1], ["dump"], 4, "An attempt was made to access short.zvk past its end."),
    ("cut.zvk", EXAMPLE[:56], ["dump"], 4, "past its end"),  # inside the second item
    ("v2.zvk", i32(2) + EXAMPLE[4:], ["dump"], 3, VERSION_MESSAGE),
    ("v2.zvk", i32(2) + EXAMPLE[4:], ["trace", "--pick", "0", "0"], 3, VERSION_MESSAGE),
    ("subs.zvk", HEAD + i32(51), ["dump"], 5, "subs.zvk has a bad format."),
    ("claim.zvk", CLAIM, ["dump"], 4, "past its end"),
    ("wide.zvk", CLAIM[:20] + b"\xff\xfe\xff\xff\xff\xff" + i32(0x7FFFFFFF) + b"xxxx", ["dump"], 4, "past its end"),
    ("missing.zvk", None, ["dump"], 2, "missing.zvk was not found."),
    ("missing.zvk", None, ["trace", "--pick", "0", "0"], 2, "missing.zvk was not found."),
    ("folder.zvk", "folder", ["check"], 2, "folder.zvk"),
]


@case
def each_kind_of_bad_file_fails_at_once_with_its_status(d):
    limit = 15 if under_wine() else 3
    # Under emulation every run takes about a minute: one kind of file only.
    rows = [row for row in BAD_FILES if row[3] == 3][:1] if ARGS.emulated else BAD_FILES
    if ARGS.emulated:
        limit = 300
    for name, data, command, rc, says in rows:
        path = os.path.join(d, name)
        if os.path.isfile(path):
            os.remove(path)
        if data == "folder":
            os.makedirs(path, exist_ok=True)
        elif data is not None:
            write(d, name, data)
        run = zvk(*command, name, cwd=d)
        expect_status(run, rc, stderr_has=says)
        check(run.err.count("\n") == 1, f"{name}: one line of message", run)
        check(run.seconds < limit, f"{name}: refused in a moment, took {run.seconds:.1f} s")


@case
def unusual_files_that_load(d):
    write(d, "empty.zvk", b"")
    check(dump_json(d, "empty.zvk") == {"version": 1, "submenus": []}, "a zero-length file is an empty document")
    write(d, "neg.zvk", HEAD + i32(-3) + b"whatever")
    check(dump_json(d, "neg.zvk")["submenus"] == [], "a negative count reads no submenus")
    run = zvk("check", "neg.zvk", cwd=d)
    expect_status(run, 0, stderr="")
    check("warning: The submenu count is -3" in run.out, "check warns about it", run)
    if not under_wine():  # the system code page decides there
        write(d, "cjk.zvk", HEAD + i32(1) + i32(0) + b"\xff\xfe\xff\x02" + "中A".encode("utf-16le"))
        check(dump_json(d, "cjk.zvk")["submenus"][0]["name"] == "?A", "a character without a byte")


@case
def build_refuses_what_cannot_be_a_macro_file_and_writes_nothing(d):
    write(d, "out.zvk", b"previous")
    bad = {
        "syntax.json": ('{\n  "submenus": [,]\n}', "syntax.json, line 2, column 16: expected a value, found ','.\n"),
        "cjk.json": (json.dumps({"submenus": [{"name": "a", "items": [{"name": "x", "text": "\u4e2d"}]}]}),
                     'cjk.json, submenus[0].items[0].text: the character "\u4e2d" (U+4E2D) has no byte in '
                     "Windows-1252.\n"),
    }
    for name, (content, message) in bad.items():
        write(d, name, content)
        expect_status(zvk("build", name, "out.zvk", cwd=d), 5, stderr=message)
        check(read(d, "out.zvk") == b"previous", f"{name}: the existing file is untouched")
    expect_status(zvk("build", "missing.json", "out.zvk", cwd=d), 2, stderr="missing.json was not found.\n")
    check(sorted(os.listdir(d)) == sorted(list(bad) + ["out.zvk"]), f"no files left behind: {os.listdir(d)}")


@case
def build_replaces_a_file_only_when_complete(d):
    write(d, "ex.json", json.dumps(EXAMPLE_JSON))
    write(d, "out.zvk", b"previous content, longer than the example file is " * 3)
    expect_status(zvk("build", "ex.json", "out.zvk", cwd=d), 0, stderr="")
    check(read(d, "out.zvk") == EXAMPLE, "replaced by the new file")
    run = zvk("build", "ex.json", os.path.join("no-such-folder", "out.zvk"), cwd=d)
    expect_status(run, 2, stderr_has="contains an invalid path.")
    os.mkdir(os.path.join(d, "dir.zvk"))
    expect_status(zvk("build", "ex.json", "dir.zvk", cwd=d), 2)
    check(sorted(os.listdir(d)) == ["dir.zvk", "ex.json", "out.zvk"], f"no temporary file left: {os.listdir(d)}")


@case
def output_that_cannot_be_written_is_a_failure(d):
    if under_wine() or not os.path.exists("/dev/full"):
        return
    write(d, "ex.zvk", EXAMPLE)
    with open("/dev/full", "wb") as full:
        proc = subprocess.run([ARGS.zvk, "dump", "ex.zvk"], cwd=d, stdout=full, stderr=subprocess.PIPE)
    check(proc.returncode == 2 and proc.stderr == b"Unable to write the output.\n",
          f"a full disk is reported: exit {proc.returncode}, stderr {proc.stderr!r}")


@case
def usage_errors(d):
    expect_status(zvk(cwd=d), 1, stderr_has="Usage:")
    expect_status(zvk("frobnicate", cwd=d), 1, stderr_has='Unknown command "frobnicate".')
    expect_status(zvk("build", "a.json", cwd=d), 1, stderr_has="build takes 2 arguments, not 1.")
    run = zvk("help", cwd=d)
    expect_status(run, 0, stderr="")
    check("zvk trace" in run.out, "help shows the usage", run)


@case
def check_summarises_a_clean_file(d):
    write(d, "ex.zvk", EXAMPLE)
    run = zvk("check", "ex.zvk", cwd=d)
    expect_status(run, 0, stderr="")
    check(run.lines() == ['ex.zvk: version 1, 2 submenus, 2 items', '  submenu 0 "TopLevel": 2 items',
                          '  submenu 1 "Help": 0 items', "no warnings"], "the summary of the example", run)


# --- trace -------------------------------------------------------------------

TRACES = [
    (["[Tab]"], ["down 09", "up 09", "recognised"]),
    (["[tab] "], ['clipboard "[tab] "'] + PASTE + ["pasted"]),
    (["--", "--ok"], ['clipboard "--ok"'] + PASTE + ["pasted"]),
    (["--answer", "Bob", '["[&1Name?][%1]"]'], ['prompt 1 "Name?" single', "down 10", "down 42", "up 42", "up 10",
                                                "down 4f", "up 4f", "down 42", "up 42", "recognised"]),
]


@case
def trace_shows_each_effect_of_a_text(d):
    for args, expected in TRACES:
        run = zvk("trace", *args, cwd=d)
        expect_status(run, 0, stderr="")
        check(run.lines() == expected, f"trace {args!r}: {expected!r} expected", run)


@case
def trace_takes_text_as_windows_1252(d):
    if under_wine():
        return  # Wine hands the program its arguments in the system code page
    run = zvk("trace", '["\u00e9\u20ac"]', cwd=d)
    expect_status(run, 0, stderr="")
    check(run.lines() == ["down ff", "up ff", "down ff", "up ff", "recognised"], "bytes without a key", run)
    run = zvk("trace", "\u00e9", cwd=d)
    check(run.lines()[0] == 'clipboard "\\xe9"', "pasted as the byte E9", run)
    expect_status(zvk("trace", "\u4e2d", cwd=d), 1, stderr_has="(U+4E2D) has no byte in Windows-1252")


@case
def trace_answers_the_prompts_of_a_picked_chain(d):
    items = [{"name": "Default", "text": "[*Jo]", "chain": 1},
             {"name": "Ask", "text": "[&1Name?]", "chain": 1},
             {"name": "Type", "text": "[%1]"}]
    write(d, "p.json", json.dumps({"submenus": [{"name": "P", "items": items}]}))
    expect_status(zvk("build", "p.json", "p.zvk", cwd=d), 0, stderr="")
    jo = ["down 10", "down 4a", "up 4a", "up 10", "down 4f", "up 4f"]
    for answers, typed in ((["--ok"], jo), (["--cancel"], [])):
        run = zvk("trace", *answers, "--pick", "0", "0", "p.zvk", cwd=d)
        expect_status(run, 0, stderr="")
        expected = ["sleep 500", "run 0 0", "recognised", "run 0 1", 'prompt 1 "Name?" default "Jo" single',
                    "recognised", "run 0 2"] + typed + ["recognised"]
        check(run.lines() == expected, f"trace {answers!r} --pick 0 0", run)


@case
def trace_refuses_a_pick_the_menu_cannot_make(d):
    write(d, "ex.zvk", EXAMPLE)
    expect_status(zvk("trace", "--pick", "2", "0", "ex.zvk", cwd=d), 1, stderr="ex.zvk has no submenu 2 (it holds 2).\n")
    expect_status(zvk("trace", "--pick", "1", "0", "ex.zvk", cwd=d), 1,
                  stderr="Submenu 1 of ex.zvk has no item 0 (it holds 0).\n")
    doc = {"submenus": [{"name": "S", "items": [{"name": "n", "text": "[tab]"}] * 50}]}
    write(d, "fifty.json", json.dumps(doc))
    expect_status(zvk("build", "fifty.json", "fifty.zvk", cwd=d), 0, stderr="")
    expect_status(zvk("trace", "--pick", "0", "49", "fifty.zvk", cwd=d), 1, stderr_has="cannot be picked")
    expect_status(zvk("trace", "--pick", "0", "48", "fifty.zvk", cwd=d), 0, stderr="")


# --- the example document ------------------------------------------------------

@case
def starter_example_is_built_from_its_json_and_is_clean(d):
    if not ARGS.examples:
        return
    shutil.copy(os.path.join(ARGS.examples, "starter.json"), d)
    shutil.copy(os.path.join(ARGS.examples, "starter.zvk"), d)
    expect_status(zvk("build", "starter.json", "rebuilt.zvk", cwd=d), 0, stderr="")
    check(read(d, "rebuilt.zvk") == read(d, "starter.zvk"), "starter.zvk is what zvk build makes of starter.json")
    run = zvk("check", "starter.zvk", cwd=d)
    expect_status(run, 0, stderr="")
    check(run.lines()[-1] == "no warnings", "the example has no warnings", run)
    doc = dump_json(d, "starter.zvk")
    for s, submenu in enumerate(doc["submenus"]):
        for j, _ in enumerate(submenu["items"]):
            run = zvk("trace", "--ok", "--ok", "--pick", str(s), str(j), "starter.zvk", cwd=d)
            expect_status(run, 0, stderr="")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--zvk", required=True)
    parser.add_argument("--emulator", default="")
    parser.add_argument("--examples", default="")
    parser.add_argument("--sanitized", action="store_true")
    parser.add_argument("--emulated", action="store_true",
                        help="the program runs under user-mode emulation, slowly: a few runs only")
    parser.add_argument("cases", nargs="*", help="names of the cases to run (all when none)")
    ARGS = parser.parse_args()
    ARGS.zvk = os.path.abspath(ARGS.zvk)
    if ARGS.emulator:
        ARGS.emulator = os.path.abspath(ARGS.emulator)

    failed = []
    selected = [c for c in CASES if not ARGS.cases or c.__name__ in ARGS.cases]
    for fn in selected:
        d = tempfile.mkdtemp(prefix="zvk-test-")
        try:
            fn(d)
            print(f"ok      {fn.__name__}")
        except Failure as e:
            failed.append(fn.__name__)
            print(f"FAILED  {fn.__name__}: {e}")
        finally:
            shutil.rmtree(d, ignore_errors=True)
    print(f"{len(selected) - len(failed)} of {len(selected)} zvk command cases passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
