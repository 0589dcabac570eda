"""Records when windows inside the Wine desktop are shown and hidden.

A window that is shown and hidden again within one paint (as the main window
at start-up) cannot be caught by looking; the X server's MapNotify and
UnmapNotify events for the desktop's children record it."""
import os
import re
import subprocess

_EVENT = re.compile(r"^(MapNotify|UnmapNotify) event")
_WINDOW = re.compile(r"window (0x[0-9a-fA-F]+)")


class MapEventRecorder:
    def __init__(self, x11, parent_window, log_path):
        self.x11 = x11
        self.parent_window = parent_window
        self.log_path = log_path
        self.process = None

    def start(self):
        log = open(self.log_path, "wb")
        try:
            self.process = subprocess.Popen(
                ["stdbuf", "-oL", "xev", "-id", str(self.parent_window), "-event",
                 "substructure"], env=self.x11.env, stdout=log, stderr=subprocess.STDOUT,
                stdin=subprocess.DEVNULL)
        finally:
            log.close()
        return self

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=5)
        self.process = None

    def events(self):
        """[(kind, window id)] in order: kind is "map" or "unmap"."""
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, "rb") as log:
            lines = log.read().decode(errors="replace").splitlines()
        found = []
        for index, line in enumerate(lines[:-1]):
            match = _EVENT.match(line)
            if match:
                window = _WINDOW.search(lines[index + 1])
                if window:
                    kind = "map" if match.group(1) == "MapNotify" else "unmap"
                    found.append((kind, int(window.group(1), 16)))
        return found

    def events_of(self, window):
        return [kind for kind, which in self.events() if which == window]

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()
