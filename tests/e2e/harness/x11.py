"""What a person does at the X display: look, point, click, type; and what
a tester reads from it: windows, pixels, the clipboard."""
import os
import re
import subprocess
from dataclasses import dataclass


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int
    mapped: bool = True


@dataclass(frozen=True)
class Pixels:
    """An RGB picture of part of the screen; (x, y) relative to its corner."""
    left: int
    top: int
    width: int
    height: int
    data: bytes

    def at(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.data[offset:offset + 3])


class X11:
    def __init__(self, display):
        self.display = display
        self.env = dict(os.environ, DISPLAY=display)

    def _run(self, *args, timeout=10, check=True):
        result = subprocess.run(args, env=self.env, capture_output=True, timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")
        return result

    # ---- windows ----

    def search(self, name="", pid=None, visible=True):
        """Ids of the windows whose name matches a regular expression (and
        that belong to process pid); only mapped ones unless visible is False."""
        args = ["xdotool", "search"] + (["--onlyvisible"] if visible else [])
        args += ["--pid", str(pid)] if pid is not None else ["--name", name]
        return [int(line) for line in self._run(*args, check=False).stdout.split()]

    def window_name(self, window):
        result = self._run("xdotool", "getwindowname", str(window), check=False)
        if result.returncode != 0:
            return None
        return result.stdout.decode(errors="replace").rstrip("\n")

    def geometry(self, window):
        """Absolute position, size and map state (xwininfo; xdotool misreports
        the position of windows inside the Wine desktop)."""
        result = self._run("xwininfo", "-id", str(window), check=False)
        if result.returncode != 0:
            return None
        text = result.stdout.decode(errors="replace")

        def field(label):
            return int(re.search(label + r":\s*(-?\d+)", text).group(1))
        return Rect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                    field("Width"), field("Height"), "IsViewable" in text)

    def stacking(self, parent):
        """The child windows of parent (the Wine desktop), topmost first."""
        text = self._run("xwininfo", "-children", "-id", str(parent)).stdout.decode(errors="replace")
        return [int(line.split()[0], 16) for line in text.splitlines()
                if line.strip().startswith("0x")]

    def focus(self, window):
        """Gives the X keyboard focus to a window, so that Wine delivers the
        keys that follow to the thread owning it."""
        self._run("xdotool", "windowfocus", str(window))

    # ---- pointer and keyboard ----

    def click(self, x, y, button=1, repeat=1):
        self._run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat),
                  "--delay", "120", str(button))

    def move(self, x, y):
        self._run("xdotool", "mousemove", str(x), str(y))

    def key(self, *keys):
        self._run("xdotool", "key", "--delay", "60", *keys)

    def type(self, text):
        self._run("xdotool", "type", "--delay", "40", "--", text)

    # ---- pictures and the clipboard ----

    def screenshot(self, path):
        self._run("import", "-window", "root", path, timeout=20)
        return path

    def grab(self, left, top, width, height):
        data = self._run("import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}",
                         "+repage", "-depth", "8", "rgb:-", timeout=20).stdout
        if len(data) != width * height * 3:
            raise RuntimeError(f"a screen grab of {width}x{height} gave {len(data)} bytes")
        return Pixels(left, top, width, height, data)

    def clipboard(self):
        """The CLIPBOARD selection as bytes, or None when nobody owns it or
        the owner does not answer."""
        try:
            result = self._run("xclip", "-o", "-selection", "clipboard", timeout=5, check=False)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout if result.returncode == 0 else None
