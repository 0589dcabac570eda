#!/usr/bin/env python3
"""A demonstration of Zorvakomat for a machine without a display.

    demo_headless.py APP TARGET DOCUMENT WORK_DIR PREFIX

Starts a private X display, a Wine desktop with a taskbar, a small target
window and Zorvakomat with DOCUMENT; then does what a person does: a right
click on the tray icon, a pick from the menu, a click into the target. It
prints what the target received and where the screenshot is."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from harness.session import E2ESession  # noqa: E402
from harness.target import TargetWindow  # noqa: E402
from harness.zorvakomat import Zorvakomat, entry  # noqa: E402
from harness.polling import wait_until  # noqa: E402

# What the demonstration picks from the starter document: the TopLevel
# sign-off (a plain text, pasted), then Forms → Next field (a Tab key).
PICKS = (("TopLevel → Sign-off", entry(2)),
         ("Forms → Next field", entry(4, 0)))


def main():
    app, target_exe, document, work_dir, prefix = sys.argv[1:6]
    print("Starting a private X display and a Wine desktop (the first start makes a Wine "
          "prefix, which takes a minute)...", flush=True)
    with E2ESession(app, target_exe, work_dir, prefix) as session:
        os.makedirs(os.path.join(work_dir, "target"), exist_ok=True)
        target = TargetWindow(session.wine, session.x11, session.target_exe,
                              os.path.join(work_dir, "target"))
        program = Zorvakomat(session)
        try:
            target.start()
            program.start(os.path.abspath(document))
            print(f"Zorvakomat is in the tray with {os.path.basename(document)}.", flush=True)
            typed = b""
            for label, keys in PICKS:
                print(f"Picking {label} and clicking into the target window...", flush=True)
                program.menu(*keys, into=target)
                typed = wait_until(target.text, lambda t, before=typed: t is not None and t != before,
                                   timeout=20, what=f"the target to receive {label}")
            shot = session.screenshot("zorvakomat-demo")
            print("The target window received:")
            for line in typed.decode("cp1252").replace("\t", "<Tab>").split("\r\n"):
                print("    " + line)
            print(f"Screenshot of the desktop: {shot}")
        finally:
            program.stop()
            target.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
