"""Records when windows inside the Wine desktop are shown and hidden.

A window that is shown and hidden again within one paint (as the main window
at start-up) cannot be caught by looking; the X server's MapNotify and
UnmapNotify events for the desktop's children record it."""
import re
import subprocess


class MapEventRecorder:
    def __init__(self, x11, parent_window, log_path):
        self.log_path = log_path
        with open(log_path, "wb") as log:
            self.process = subprocess.Popen(
                ["stdbuf", "-oL", "xev", "-id", str(parent_window), "-event", "substructure"],
                env=x11.env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait(timeout=5)

    def events_of(self, window):
        """"map" and "unmap" in the order the window went through them."""
        with open(self.log_path, "rb") as log:
            text = log.read().decode(errors="replace")
        # xev writes "MapNotify event, ..." and on the next line "... window 0x..., ...".
        return [kind.lower() for kind, which in
                re.findall(r"^(Map|Unmap)Notify event.*\n.*?window (0x[0-9a-fA-F]+)", text, re.M)
                if int(which, 16) == window]
