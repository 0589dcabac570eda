"""The target program: the window a pick types into, and what it reports."""
import os

from .polling import wait_until
from .wine import windows_path


class TargetWindow:
    def __init__(self, wine, x11, exe, folder, wide=False):
        """wide: a Unicode window and edit box, which reports its text in UTF-8."""
        self.wine, self.x11, self.exe, self.wide = wine, x11, exe, wide
        self.report, self.key_log = (os.path.join(folder, name)
                                     for name in ("target-report.txt", "target-keys.log"))
        self.process = None

    def start(self, hold_hotkey=False):   # hold_hotkey: it takes Ctrl+Alt+Z first
        self.process = self.wine.start(self.exe, [windows_path(self.report), windows_path(self.key_log)]
                                       + (["wide"] if self.wide else [])
                                       + (["hotkey"] if hold_hotkey else []),
                                       log_name="target.log")

        def window():
            if self.process.poll() is not None:
                raise AssertionError(f"the target program ended with code {self.process.returncode}")
            return self.text() is not None and self.x11.search(pid=self.process.pid)
        self.window = wait_until(window, timeout=30, what="the target window to start")[0]
        rect = self.x11.geometry(self.window)
        self.centre = (rect.x + rect.width // 2, rect.y + rect.height // 2)
        return self

    def stop(self):
        if self.process:
            self.wine.end(self.process)

    def click(self):
        self.x11.click(*self.centre)

    def text(self):   # the edit box's whole text as last reported (line breaks CR LF)
        return read(self.report) if os.path.exists(self.report) else None

    def wait_for_text(self, expected):
        encoding = "utf-8" if self.wide else "cp1252"
        return wait_until(self.text, lambda text: text == expected.encode(encoding), timeout=15,
                          what=f"the target to hold {expected!r}")

    def chars(self):
        return "".join(map(chr, self.keys("char")))

    def keys(self, *kinds):   # the codes of the key messages of those kinds, in order
        lines = read(self.key_log).decode("ascii", errors="replace").split("\n")[:-1]
        return [int(line.split()[1], 16) for line in lines if line.split()[0] in kinds]


def read(path):
    with open(path, "rb") as file:
        return file.read()
