"""The target program: the window a pick types into, and what it reports."""
import os

from .polling import wait_until
from .wine import windows_path

TITLE = "Zorvakomat Target"


class TargetWindow:
    def __init__(self, wine, x11, exe, folder):
        self.wine = wine
        self.x11 = x11
        self.exe = exe
        os.makedirs(folder, exist_ok=True)
        self.report_path = os.path.join(folder, "target-report.txt")
        self.keylog_path = os.path.join(folder, "target-keys.log")
        self.info_path = os.path.join(folder, "target-info.txt")
        self.process = None
        self.edit = None

    def start(self, timeout=30):
        for path in (self.report_path, self.keylog_path, self.info_path):
            if os.path.exists(path):
                os.remove(path)
        self.process = self.wine.start(
            self.exe, [windows_path(self.report_path), windows_path(self.keylog_path),
                       windows_path(self.info_path)],
            log_name="target.log")
        info = wait_until(self._read_info, timeout=timeout, what="the target window to start")
        left, top, right, bottom = info
        self.edit = (left, top, right - left, bottom - top)
        return self

    def _read_info(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the target program ended with code {self.process.returncode}")
        try:
            with open(self.info_path) as info:
                words = info.read().split()
        except FileNotFoundError:
            return None
        if len(words) == 5 and words[0] == "edit":
            return tuple(int(word) for word in words[1:])
        return None

    def stop(self):
        if self.process:
            self.wine.end(self.process)
            self.process = None

    def click(self):
        """Clicks into the edit box, as a person does to choose where the
        keys go."""
        left, top, width, height = self.edit
        self.x11.click(left + width // 2, top + height // 2)

    def text(self):
        """The edit box's whole text as the target last reported it (bytes,
        line breaks as CR LF)."""
        try:
            with open(self.report_path, "rb") as report:
                return report.read()
        except FileNotFoundError:
            return None

    def wait_for_text(self, expected, timeout=15):
        expected = expected.encode("cp1252") if isinstance(expected, str) else expected
        return wait_until(self.text, lambda text: text == expected, timeout=timeout,
                          what=f"the target to hold {expected!r}")

    def key_log(self):
        """[(message, code)], e.g. ("keydown", 0x09), in the order the edit box
        received them; a line still being written is left out."""
        try:
            with open(self.keylog_path, "rb") as log:
                data = log.read().decode("ascii", errors="replace")
        except FileNotFoundError:
            return []
        entries = []
        for line in data.split("\n")[:-1]:
            words = line.split()
            if len(words) == 2:
                entries.append((words[0], int(words[1], 16)))
        return entries

    def key_downs(self):
        return [code for message, code in self.key_log() if message in ("keydown", "syskeydown")]

    def wait_for_key_log(self, accept, what, timeout=15):
        return wait_until(self.key_log, accept, timeout=timeout, what=what)
