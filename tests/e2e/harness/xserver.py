"""A private Xvfb display with a plain US keyboard, for one test run."""
import os
import select
import subprocess
import time

# Xvfb starts with the pc105 map, whose 102nd key (<LSGT>) types "<" and ">"
# and whose extra keypad keys type "(" and ")". Wine then finds those keys
# first for these characters and reports key codes that a US layout on
# Windows does not have; the tests want what a Windows user with a US
# keyboard has. (-noreset keeps the map when the loading client goes.)
US_KEYMAP = b"""
xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols {
        include "pc+us"
        override key <LSGT> { [ VoidSymbol, VoidSymbol, VoidSymbol, VoidSymbol ] };
    };
    xkb_geometry { include "pc(pc104)" };
};
"""


class PrivateXServer:
    """Xvfb on a display number that the server picks itself (-displayfd),
    so runs never collide with each other or with a real display."""

    def __init__(self, geometry, log_path):
        self.geometry = geometry
        self.log_path = log_path
        self.process = None

    def start(self, timeout=15.0):
        """Starts the server, gives it the US keyboard and returns the display name."""
        read_end, write_end = os.pipe()
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.geometry,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        os.close(write_end)
        # The server writes its number and a new line once it accepts
        # clients, and closes the pipe (an empty read) if it fails.
        text, deadline = b"", time.monotonic() + timeout
        try:
            while not text.endswith(b"\n"):
                wait = max(deadline - time.monotonic(), 0)
                chunk = os.read(read_end, 16) if select.select([read_end], [], [], wait)[0] else b""
                if not chunk:
                    break
                text += chunk
        finally:
            os.close(read_end)
        if not text.endswith(b"\n"):
            self.stop()
            raise RuntimeError(f"Xvfb did not start (see its log: {self.log_path})")
        display = ":" + text.strip().decode()
        keymap = subprocess.run(["xkbcomp", "-w", "0", "-", display], input=US_KEYMAP,
                                capture_output=True, timeout=30)
        if keymap.returncode != 0:
            self.stop()
            raise RuntimeError("could not load the US keyboard map: "
                               + keymap.stderr.decode(errors="replace").strip())
        return display

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None
