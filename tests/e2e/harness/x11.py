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

    @property
    def center(self):
        return (self.x + self.width // 2, self.y + self.height // 2)


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

    def _run(self, args, timeout=10, check=True, input_bytes=None):
        result = subprocess.run(args, env=self.env, input=input_bytes, capture_output=True,
                                timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")
        return result

    # ---- windows ----

    def search(self, name=None, pid=None, visible=True):
        """Window ids matching a name pattern (a regular expression) and/or a
        process id; only mapped windows unless visible is False."""
        args = ["xdotool", "search"]
        if visible:
            args.append("--onlyvisible")
        if pid is not None:
            args += ["--pid", str(pid)]
        if name is not None:
            args += ["--name", name]
        elif pid is None:
            args += ["--name", ""]
        result = self._run(args, check=False)
        return [int(line) for line in result.stdout.split()]

    def window_name(self, window):
        result = self._run(["xdotool", "getwindowname", str(window)], check=False)
        return result.stdout.decode(errors="replace").rstrip("\n") if result.returncode == 0 else None

    def geometry(self, window):
        """Absolute position, size and map state (xwininfo; xdotool misreports
        the position of windows inside the Wine desktop)."""
        result = self._run(["xwininfo", "-id", str(window)], check=False)
        if result.returncode != 0:
            return None
        text = result.stdout.decode(errors="replace")

        def field(label):
            return int(re.search(label + r":\s*(-?\d+)", text).group(1))
        return Rect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                    field("Width"), field("Height"), "IsViewable" in text)

    def focus(self, window):
        """Gives the X keyboard focus to a window, so that Wine delivers the
        keys that follow to the thread owning it."""
        self._run(["xdotool", "windowfocus", str(window)])

    # ---- pointer and keyboard ----

    def click(self, x, y, button=1, repeat=1):
        self._run(["xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat),
                   "--delay", "120", str(button)])

    def move(self, x, y):
        self._run(["xdotool", "mousemove", str(x), str(y)])

    def key(self, *keys, delay_ms=60):
        self._run(["xdotool", "key", "--delay", str(delay_ms), *keys])

    def type(self, text, delay_ms=40):
        self._run(["xdotool", "type", "--delay", str(delay_ms), "--", text])

    # ---- pictures ----

    def screenshot(self, path):
        self._run(["import", "-window", "root", path], timeout=20)
        return path

    def grab(self, left, top, width, height):
        result = self._run(["import", "-window", "root", "-crop",
                            f"{width}x{height}+{left}+{top}", "+repage", "-depth", "8", "ppm:-"],
                           timeout=20)
        return _parse_ppm(result.stdout, left, top)

    # ---- clipboard ----

    def clipboard(self):
        """The CLIPBOARD selection's text as bytes, or None when nobody owns it
        or the owner does not answer."""
        try:
            result = self._run(["xclip", "-o", "-selection", "clipboard"], timeout=5, check=False)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout if result.returncode == 0 else None


def _parse_ppm(data, left, top):
    """Parses a binary PPM (P6, maxval 255) as written by ImageMagick."""
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position) + 1
            continue
        start = position
        while not data[position:position + 1].isspace():
            position += 1
        fields.append(data[start:position])
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise RuntimeError("unexpected screen grab format: %r" % fields)
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:position + 1 + width * height * 3]
    if len(pixels) != width * height * 3:
        raise RuntimeError("short screen grab")
    return Pixels(left, top, width, height, pixels)
