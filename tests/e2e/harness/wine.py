"""Wine for one test run: a prefix in the build tree, a desktop with a
taskbar on the private display, and the programs started in it."""
import fcntl
import os
import shutil
import struct
import subprocess

from .polling import wait_until

DESKTOP = "shell"


def loader_for(exe):
    """The Wine loader that runs exe in the process it starts. Plain "wine"
    hands a 64-bit program to a helper process when 32-bit Wine is
    installed, and the tests find a program's windows by its process id."""
    with open(exe, "rb") as file:
        header = file.read(4096)
    (pe_offset,) = struct.unpack_from("<I", header, 0x3C)
    (machine,) = struct.unpack_from("<H", header, pe_offset + 4)
    if machine == 0x8664:   # x86-64
        for candidate in (shutil.which("wine64"), "/usr/lib/wine/wine64"):
            if candidate and os.access(candidate, os.X_OK):
                return candidate
    return "wine"


def windows_path(path):
    """The Windows name of a local file: Wine maps drive Z: to the root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class WineSession:
    def __init__(self, prefix, display, log_dir, size):
        self.prefix = os.path.abspath(prefix)
        self.log_dir = log_dir
        self.size = size
        # Without winemenubuilder a Start menu shortcut made in the prefix
        # stays there instead of becoming a menu entry of the Linux desktop.
        self.env = dict(os.environ, DISPLAY=display, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.env.pop("WINESERVER", None)
        self.desktop_process = None
        self.started = []

    def _popen(self, args, log_name, **options):
        with open(os.path.join(self.log_dir, log_name), "ab") as log:
            return subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                    **options)

    def run(self, *args, timeout=120):
        """Runs a Wine command (wineboot, reg ...) to its end; returns its output."""
        return subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                              timeout=timeout)

    def prepare_prefix(self):
        """Creates the prefix once (a first wineboot takes 10 to 15 s) and
        makes every program open in the named desktop with the taskbar."""
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        with open(self.prefix + ".lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            # A wineserver left over from an interrupted run would still be
            # bound to its old display.
            self.run("wineserver", "-k")
            if not os.path.exists(os.path.join(self.prefix, "system.reg")):
                self.run("wineboot", "-i", timeout=300).check_returncode()
            key = "HKCU\\Software\\Wine\\Explorer"
            self.run("wine", "reg", "add", key, "/v", "Desktop", "/d", DESKTOP, "/f")
            self.run("wine", "reg", "add", key + "\\Desktops", "/v", DESKTOP, "/d", self.size, "/f")
            self.run("wineserver", "-w")

    def start_desktop(self, x11, timeout=60):
        """Starts explorer's desktop and returns its X window once it shows."""
        self.desktop_process = self._popen(
            ["wine", "explorer", f"/desktop={DESKTOP},{self.size}"], "desktop.log",
            env=self.env, start_new_session=True)
        return wait_until(lambda: x11.search(name=f"^{DESKTOP} - Wine desktop$"),
                          timeout=timeout, what="the Wine desktop window")[0]

    def start(self, exe, args=(), cwd=None, log_name="program.log", debug=None):
        """Starts a Windows program; the process is the program itself.
        debug replaces the Wine debug channels (WINEDEBUG) for this program."""
        env = dict(self.env, WINEDEBUG=debug) if debug else self.env
        process = self._popen([loader_for(exe), exe, *args], log_name, env=env, cwd=cwd)
        self.started.append(process)
        return process

    def end(self, process):
        if process.poll() is None:
            process.kill()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass
        if process in self.started:
            self.started.remove(process)

    def shutdown(self):
        for process in list(self.started):
            self.end(process)
        self.run("wineserver", "-k")
        if self.desktop_process:
            try:
                self.desktop_process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.desktop_process.kill()
                self.desktop_process.wait()
        # wineserver -k returns before the server is gone; wait for it so
        # that the next run starts with a server on its own display.
        self.run("wineserver", "-w", timeout=30)
