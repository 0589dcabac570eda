"""A test result that keeps a screenshot of the desktop for every failing or
erroring test and prints where it is."""
import unittest

from .session import current


class ScreenshotResult(unittest.TextTestResult):
    def _keep_screenshot(self, test):
        try:
            path = current().screenshot(test.id())
        except Exception as error:  # the report must not hide the failure itself
            self.stream.writeln(f"\n(no screenshot for {test.id()}: {error})")
            return
        self.stream.writeln(f"\nscreenshot of the failing test {test.id()}: {path}")
        self.stream.flush()

    def addFailure(self, test, err):
        self._keep_screenshot(test)
        super().addFailure(test, err)

    def addError(self, test, err):
        self._keep_screenshot(test)
        super().addError(test, err)

    def addSubTest(self, test, subtest, err):
        if err is not None:
            self._keep_screenshot(subtest)
        super().addSubTest(test, subtest, err)
