"""The private X display: Xvfb with a plain US keyboard, what a person does
there and what a tester reads from it (windows and pixels)."""
import os
import re
import select
import subprocess
from collections import namedtuple

Rect = namedtuple("Rect", "x y width height mapped")

# Without it, Xvfb's pc105 map types "<", ">", "(" and ")" on keys for which
# Wine reports codes a US layout does not have (tests/e2e/README.md).
US_KEYMAP = b"""xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" }; xkb_types { include "complete" };
    xkb_compat { include "complete" }; xkb_geometry { include "pc(pc104)" };
    xkb_symbols { include "pc+us" override key <LSGT> { [ VoidSymbol, VoidSymbol, VoidSymbol, VoidSymbol ] }; };
};"""


def start_xvfb(geometry, log_path):
    """Xvfb with the US keyboard (kept by -noreset) on a display number it
    picks itself, so that runs never collide: (process, display)."""
    read_end, write_end = os.pipe()
    with open(log_path, "ab") as log:
        process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", geometry,
                                    "-nolisten", "tcp", "-noreset"], pass_fds=[write_end],
                                   stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    # The server writes its number once it accepts clients, or closes the pipe.
    with os.fdopen(read_end, "rb") as pipe:
        number = pipe.readline() if select.select([pipe], [], [], 15)[0] else b""
    display = ":" + number.strip().decode()
    keymap = number.endswith(b"\n") and subprocess.run(["xkbcomp", "-w", "0", "-", display], input=US_KEYMAP,
                                                        capture_output=True, timeout=30)
    if not keymap or keymap.returncode:
        stop_xvfb(process)
        raise RuntimeError(f"Xvfb did not start with the US keyboard (see {log_path}): "
                           + (keymap.stderr.decode(errors="replace") if keymap else ""))
    return process, display


def stop_xvfb(process):
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Pixels(namedtuple("Pixels", "left top width height data")):   # RGB, at() from its corner
    def at(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.data[offset:offset + 3])


class X11:
    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def _run(self, *args, timeout=10, check=True):
        args = [str(arg) for arg in args]
        result = subprocess.run(args, env=self.env, capture_output=True, timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")
        return result

    def _output(self, *args):   # None when it failed (a window gone)
        result = self._run(*args, check=False)
        return result.stdout.decode(errors="replace") if result.returncode == 0 else None

    def search(self, name="", pid=None, visible=True):
        args = ["--onlyvisible"] if visible else []
        args += ["--pid", pid] if pid is not None else ["--name", name]
        return [int(word) for word in (self._output("xdotool", "search", *args) or "").split()]

    def window_name(self, window):
        name = self._output("xdotool", "getwindowname", window)
        return name and name.rstrip("\n")

    def geometry(self, window):
        """Absolute position, size and map state, or None (xdotool misreports
        the position of windows inside the Wine desktop)."""
        text = window and self._output("xwininfo", "-id", window)
        if not text:   # no such window (a program gone)
            return None
        numbers = [int(re.search(label + r":\s*(-?\d+)", text).group(1)) for label in
                   ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        return Rect(*numbers, "IsViewable" in text)

    def stacking(self, parent):   # the Wine desktop's windows, topmost first
        text = self._run("xwininfo", "-children", "-id", parent).stdout.decode(errors="replace")
        return [int(line.split()[0], 16) for line in text.splitlines() if line.strip().startswith("0x")]

    def focus(self, window):   # Wine delivers the keys that follow to its thread
        self._run("xdotool", "windowfocus", window)

    def click(self, x, y, button=1, repeat=1):
        self._run("xdotool", "mousemove", x, y, "click", "--repeat", repeat, "--delay", 120, button)

    def move(self, x, y):
        self._run("xdotool", "mousemove", x, y)

    def key(self, *keys):
        self._run("xdotool", "key", "--delay", "60", *keys)

    def type(self, text):
        self._run("xdotool", "type", "--delay", "40", "--", text)

    def set_clipboard(self, text):   # as an X program copies a text
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10, check=True)

    def clipboard(self):   # the clipboard's text, None when nothing holds it
        return self._output("xclip", "-selection", "clipboard", "-o")

    def screenshot(self, path):
        self._run("import", "-window", "root", path, timeout=20)
        return path

    def grab(self, left, top, width, height):
        data = self._run("import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}",
                         "+repage", "-depth", "8", "rgb:-", timeout=20).stdout
        if len(data) != width * height * 3:
            raise RuntimeError(f"a screen grab of {width}x{height} gave {len(data)} bytes")
        return Pixels(left, top, width, height, data)
