"""The target program: the window a pick types into, and what it reports."""
import os

from .polling import wait_until
from .wine import windows_path


class TargetWindow:
    def __init__(self, wine, x11, exe, folder):
        self.wine = wine
        self.x11 = x11
        self.exe = exe
        os.makedirs(folder, exist_ok=True)
        self.paths = [os.path.join(folder, name)
                      for name in ("target-report.txt", "target-keys.log", "target-info.txt")]
        self.process = None

    def start(self, timeout=30):
        """Starts the target and waits until it says where its edit box is."""
        for path in self.paths:
            if os.path.exists(path):
                os.remove(path)
        self.process = self.wine.start(self.exe, [windows_path(path) for path in self.paths],
                                       log_name="target.log")
        words = wait_until(self._info, lambda words: words[:1] == ["edit"] and len(words) == 5,
                           timeout=timeout, what="the target window to start")
        left, top, right, bottom = map(int, words[1:])
        self.centre = ((left + right) // 2, (top + bottom) // 2)
        return self

    def _info(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the target program ended with code {self.process.returncode}")
        return (self._read(2) or b"").decode().split()

    def _read(self, index):
        try:
            with open(self.paths[index], "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    def stop(self):
        if self.process:
            self.wine.end(self.process)
            self.process = None

    def click(self):
        """Clicks into the edit box, as a person does to choose where the
        keys go."""
        self.x11.click(*self.centre)

    def text(self):
        """The edit box's whole text as the target last reported it (bytes,
        line breaks as CR LF)."""
        return self._read(0)

    def wait_for_text(self, expected, timeout=15):
        expected = expected.encode("cp1252") if isinstance(expected, str) else expected
        return wait_until(self.text, lambda text: text == expected, timeout=timeout,
                          what=f"the target to hold {expected!r}")

    def _keys(self, *kinds):
        """The virtual-key codes of the key messages of the given kinds the
        edit box received, in order (a line still being written is left out)."""
        lines = (self._read(1) or b"").decode("ascii", errors="replace").split("\n")[:-1]
        return [int(line.split()[1], 16) for line in lines if line.split()[:1] in kinds]

    def key_downs(self):
        return self._keys(["keydown"], ["syskeydown"])

    def key_ups(self):
        return self._keys(["keyup"], ["syskeyup"])

    def chars(self):
        """The characters the edit box received, in the order they came,
        wherever the caret put them."""
        return "".join(chr(code) for code in self._keys(["char"]))
