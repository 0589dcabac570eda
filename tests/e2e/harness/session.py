"""One end-to-end run: the private display, Wine with its desktop, and the
programs under test. Made once per run by the runner; tests reach it through
current()."""
import os
import re
import shutil

from . import polling, wine_loader
from .polling import wait_until
from .tray import find_taskbar
from .wine import WineSession
from .x11 import X11
from .xserver import PrivateXServer

WIDTH, HEIGHT = 1280, 1024

_current = None


def current():
    if _current is None:
        raise RuntimeError("the end-to-end tests run through run_e2e.py, which sets up the display")
    return _current


class E2ESession:
    def __init__(self, app_exe, target_exe, work_dir, prefix):
        self.app_exe = os.path.abspath(app_exe)
        self.target_exe = os.path.abspath(target_exe)
        self.work_dir = os.path.abspath(work_dir)
        self.logs = os.path.join(self.work_dir, "logs")
        os.makedirs(self.logs, exist_ok=True)
        self.xserver = PrivateXServer(f"{WIDTH}x{HEIGHT}x24", os.path.join(self.logs, "xvfb.log"))
        self.prefix = prefix
        self.wine = None
        self.emulated = (wine_loader.architecture(self.app_exe) == wine_loader.X86
                         and wine_loader.x86_support()[0] == "emulated")
        # An emulated program starts in about a minute and answers a click
        # in seconds instead of milliseconds.
        polling.time_scale = 8.0 if self.emulated else 1.0

    def __enter__(self):
        global _current
        try:
            self.x11 = X11(self.xserver.start())
            self.wine = WineSession(self.prefix, self.x11.display, self.logs, f"{WIDTH}x{HEIGHT}")
            self.wine.prepare_prefix()
            self.desktop = self.wine.start_desktop(self.x11)
            self.taskbar = wait_until(lambda: find_taskbar(self.x11, WIDTH, HEIGHT), timeout=30,
                                      what="the desktop's taskbar")
        except BaseException:
            self.__exit__()
            raise
        _current = self
        return self

    def __exit__(self, *exc):
        global _current
        _current = None
        if self.wine:
            self.wine.shutdown()
            self.wine = None
        self.xserver.stop()

    def scratch_dir(self, test_id):
        """A fresh folder for one test's files (documents, the target's
        reports), kept after the run for inspection."""
        path = os.path.join(self.work_dir, "tests", _file_name(test_id))
        shutil.rmtree(path, ignore_errors=True)
        os.makedirs(path)
        return path

    def screenshot(self, name):
        folder = os.path.join(self.work_dir, "screenshots")
        os.makedirs(folder, exist_ok=True)
        return self.x11.screenshot(os.path.join(folder, _file_name(name) + ".png"))


def _file_name(text):
    return re.sub(r"[^A-Za-z0-9_.-]+", "_", text)
