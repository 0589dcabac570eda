"""One end-to-end run: the private display and Wine with its desktop, made
by run_e2e.py; the tests reach it through current()."""
import os
import re
import shutil

import wine_loader

from . import polling
from .polling import wait_until
from .wine import DESKTOP, WineSession
from .x11 import X11, start_xvfb, stop_xvfb

WIDTH, HEIGHT = 1280, 1024
_current = None


def current():
    if _current is None:
        raise RuntimeError("the end-to-end tests run through run_e2e.py, which sets up the display")
    return _current


def _file_name(text):
    return re.sub(r"[^A-Za-z0-9_.-]+", "_", text)


class E2ESession:
    def __init__(self, app_exe, target_exe, work_dir, prefix):
        self.app_exe, self.target_exe = os.path.abspath(app_exe), os.path.abspath(target_exe)
        self.work_dir, self.prefix, self.xvfb, self.wine = os.path.abspath(work_dir), prefix, None, None
        self.logs = os.path.join(self.work_dir, "logs")
        os.makedirs(self.logs, exist_ok=True)
        emulated = (wine_loader.architecture(self.app_exe) == wine_loader.X86
                    and wine_loader.x86_support()[0] == "emulated")
        polling.time_scale = 8.0 if emulated else 1.0

    def __enter__(self):
        global _current
        try:
            self.xvfb, display = start_xvfb(f"{WIDTH}x{HEIGHT}x24", os.path.join(self.logs, "xvfb.log"))
            self.x11 = X11(display)
            self.wine = WineSession(self.prefix, display, self.logs, f"{WIDTH}x{HEIGHT}")
            self.desktop = wait_until(lambda: self.x11.search(name=f"^{DESKTOP} - Wine desktop$"),
                                      timeout=60, what="the Wine desktop window")[0]
            self.taskbar = wait_until(self._taskbar, timeout=30, what="the desktop's taskbar")
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
        if self.xvfb:
            stop_xvfb(self.xvfb)

    def _taskbar(self):
        rects = (self.x11.geometry(window) for window in self.x11.search())
        return next((rect for rect in rects if rect and rect.width == WIDTH and rect.y + rect.height == HEIGHT
                     and 10 <= rect.height <= 60), None)

    def scratch_dir(self, test_id):
        path = os.path.join(self.work_dir, "tests", _file_name(test_id))
        shutil.rmtree(path, ignore_errors=True)
        os.makedirs(path)
        return path

    def screenshot(self, name):
        os.makedirs(os.path.join(self.work_dir, "screenshots"), exist_ok=True)
        return self.x11.screenshot(os.path.join(self.work_dir, "screenshots", _file_name(name) + ".png"))
