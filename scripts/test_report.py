#!/usr/bin/env python3
"""The closing table of scripts/test-all: what ran where, and what did not
run and why.

    test_report.py RESULTS_DIR X86_SUPPORT X86_WHY

RESULTS_DIR holds one JUnit file per place the tests ran (written by
ctest --output-junit): native.xml, wine-x64.xml, and wine-x86.xml or
wine-x86-emulated.xml. Exits 1 when a test failed, a place has no results,
or the 32-bit tests could not run at all."""
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from wine_loader import FIX_X86

PLACES = [  # result file, where, preset
    ("native", "native (Linux, sanitizers)", "linux"),
    ("wine-x64", "Wine x64", "windows-x64"),
    ("wine-x86", "Wine x86 native", "windows-x86"),
    ("wine-x86-emulated", "Wine x86 emulated", "windows-x86"),
]
EMULATED_LEAVES_OUT = ("not run under emulation: each 32-bit Wine process takes about a minute "
                       "to start there; the x64 build ran the same test")
NATIVE_LEAVES_OUT = "a short selection for emulation; the full 32-bit tests ran natively"


def results(path):
    """{test name: passed} from a JUnit file, or None when there is none."""
    if not os.path.exists(path):
        return None
    return {case.get("name"): case.find("failure") is None and case.find("error") is None
            and case.get("status", "run") == "run"
            for case in ElementTree.parse(path).getroot().iter("testcase")}


def tests_of(preset):
    """{name: labels} of every test a preset's build tree defines."""
    shown = subprocess.run(["ctest", "--preset", preset, "--show-only=json-v1"],
                           capture_output=True, text=True)
    if shown.returncode != 0:
        return {}
    tests = {}
    for test in json.loads(shown.stdout).get("tests", []):
        labels = next((p["value"] for p in test.get("properties", []) if p["name"] == "LABELS"), [])
        tests[test["name"]] = labels
    return tests


def main():
    results_dir, x86, x86_why = sys.argv[1:4]
    ok = True
    rows, not_run = [], []
    expected_x86 = {"native": "wine-x86", "emulated": "wine-x86-emulated"}.get(x86)
    idle_x86 = {"native": "not needed: 32-bit programs run natively here",
                "emulated": "32-bit programs run only under emulation here",
                "none": x86_why}[x86]
    for name, where, preset in PLACES:
        ran = results(os.path.join(results_dir, name + ".xml"))
        if ran is None:
            if name.startswith("wine-x86") and name != expected_x86:
                rows.append((where, "-", "-", idle_x86))
            else:
                rows.append((where, "-", "-", "no results: the run stopped before it"))
                ok = False
            continue
        failed = sorted(test for test, passed in ran.items() if not passed)
        ok = ok and not failed
        rows.append((where, str(len(ran) - len(failed)), str(len(failed)), ", ".join(failed)))
        if name.startswith("wine-x86"):
            leaves_out = EMULATED_LEAVES_OUT if name.endswith("emulated") else NATIVE_LEAVES_OUT
            not_run += [(f"{test} (x86)", leaves_out)
                        for test in sorted(tests_of(preset)) if test not in ran]
    if x86 == "none":
        ok = False
        not_run.append(("every x86 test", f"{x86_why}; to run them: {FIX_X86}"))

    print("\n==> What ran where")
    header = ("where", "passed", "failed", "notes")
    widths = [max(len(row[i]) for row in rows + [header]) for i in range(3)]
    for row in [header] + rows:
        print(("    " + "  ".join(cell.ljust(widths[i]) for i, cell in enumerate(row[:3]))
               + ("  " + row[3] if row[3] else "")).rstrip())
    if not_run:
        print("==> Not run")
        for test, why in not_run:
            print(f"    {test}: {why}")
    print(f"==> 32-bit Windows programs on this machine: {x86} ({x86_why})")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
