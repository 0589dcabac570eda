#!/usr/bin/env python3
"""Runs end-to-end test modules against the real Zorvakomat under Wine, on a
private display it always tears down again; a skipped test is a failure."""
import argparse
import os
import shutil
import signal
import sys
import unittest

# How Windows programs are run is decided by scripts/wine_loader.py, which the scripts use too.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "..", "scripts")]

import wine_loader  # noqa: E402
from harness.session import E2ESession, current  # noqa: E402


class ScreenshotResult(unittest.TextTestResult):
    """Keeps a screenshot of the desktop for every failing or erring test."""

    def addFailure(self, test, err, add=unittest.TextTestResult.addFailure):
        try:
            self.stream.writeln(f"\nscreenshot of the failing test: {current().screenshot(test.id())}")
        except Exception as error:   # the report must not hide the failure itself
            self.stream.writeln(f"\n(no screenshot for {test.id()}: {error})")
        add(self, test, err)

    def addError(self, test, err):
        self.addFailure(test, err, unittest.TextTestResult.addError)


def _stop(signum, _frame):
    raise KeyboardInterrupt(f"stopped by signal {signum}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--app", "--target", "--work-dir", "--prefix"):
        parser.add_argument(option, required=True)
    parser.add_argument("--fresh-prefix", action="store_true",
                        help="remove the prefix first: it is made anew for these tests alone")
    parser.add_argument("tests", nargs="+")
    args = parser.parse_args()
    missing = [tool for tool in ("Xvfb", "xkbcomp", "xdotool", "xwininfo", "import",
                                 wine_loader.WINESERVER, wine_loader.WINE64) if shutil.which(tool) is None]
    missing += [path + " (not built)" for path in (args.app, args.target) if not os.path.isfile(path)]
    if missing:
        print(f"end-to-end tests need {', '.join(missing)}; scripts/install-deps.sh installs the tools",
              file=sys.stderr)
        return 1

    # CTest ends a test that runs too long with SIGTERM: tear down all the same.
    signal.signal(signal.SIGTERM, _stop)
    suite = unittest.defaultTestLoader.loadTestsFromNames(args.tests)
    if args.fresh_prefix:
        shutil.rmtree(args.prefix, ignore_errors=True)
    with E2ESession(args.app, args.target, args.work_dir, args.prefix):
        result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2, resultclass=ScreenshotResult).run(suite)
    return 0 if result.wasSuccessful() and not result.skipped and result.testsRun else 1


if __name__ == "__main__":
    sys.exit(main())
