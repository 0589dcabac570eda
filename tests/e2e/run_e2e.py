#!/usr/bin/env python3
"""Runs end-to-end test modules against the real Zorvakomat under Wine, on a
private display it always tears down again; a skipped test is a failure."""
import os
import shutil
import signal
import sys
import unittest

# scripts/wine_loader.py decides how Windows programs run, here as in the scripts.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "..", "scripts")]

import wine_loader  # noqa: E402
from harness import session  # noqa: E402


class ScreenshotResult(unittest.TextTestResult):
    """Keeps a screenshot of the desktop for every failing or erring test."""

    def addFailure(self, test, err, add=unittest.TextTestResult.addFailure):
        try:
            path = session.current.folder("screenshots", test.id()) + ".png"
            os.makedirs(os.path.dirname(path), exist_ok=True)
            self.stream.writeln(f"\nscreenshot of the failing test: {session.current.x11.screenshot(path)}")
        except Exception as error:   # the report must not hide the failure itself
            self.stream.writeln(f"\n(no screenshot for {test.id()}: {error})")
        add(self, test, err)

    def addError(self, test, err):
        self.addFailure(test, err, unittest.TextTestResult.addError)


def main():
    if len(sys.argv) < 6:
        sys.exit("usage: run_e2e.py APP TARGET WORK_DIR PREFIX TEST...")
    app, target, work_dir, prefix, *tests = sys.argv[1:]
    missing = [tool for tool in ("Xvfb", "xkbcomp", "xdotool", "xwininfo", "import",
                                 wine_loader.WINESERVER, wine_loader.WINE64) if shutil.which(tool) is None]
    missing += [path + " (not built)" for path in (app, target) if not os.path.isfile(path)]
    if missing:
        print(f"end-to-end tests need {', '.join(missing)}; scripts/install-deps.sh installs the tools",
              file=sys.stderr)
        return 1

    # CTest ends a test that runs too long with SIGTERM: tear down all the same.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    suite = unittest.defaultTestLoader.loadTestsFromNames(tests)
    with session.E2ESession(app, target, work_dir, prefix):
        result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2, resultclass=ScreenshotResult).run(suite)
    return 0 if result.wasSuccessful() and not result.skipped and result.testsRun else 1


if __name__ == "__main__":
    sys.exit(main())
