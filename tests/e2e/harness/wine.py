"""Wine for one test run: a prefix in the build tree, a desktop with a
taskbar on the private display, and the programs started in it."""
import fcntl
import os
import subprocess

from . import wine_loader
from .polling import wait_until

DESKTOP = "shell"


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
        self.desktop_process = None
        self.session_lock = None
        self.started = []

    def _popen(self, args, log_name, **options):
        with open(os.path.join(self.log_dir, log_name), "ab") as log:
            return subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                    **options)

    def server(self, *args, timeout=120):
        """Runs wineserver with args (-k ends it, -w waits for its end)."""
        return subprocess.run(wine_loader.server_command(args), env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=timeout)

    def run(self, tool, *args, timeout=120):
        """Runs one of Wine's tools (reg, ...) to its end; returns its output."""
        return subprocess.run(wine_loader.tool_command(tool, args),
                              env=wine_loader.tool_env(self.env), stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=timeout)

    def prepare_prefix(self):
        """Takes the prefix for this session, creates it once (a first
        wineboot takes seconds natively, minutes under emulation) and makes
        every program open in the named desktop with the taskbar."""
        # One session at a time: a second one would end this one's programs
        # with its wineserver -k. The lock goes with the process.
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        self.session_lock = open(self.prefix + ".session", "w")
        fcntl.flock(self.session_lock, fcntl.LOCK_EX)
        # A wineserver left over from an interrupted run would still be
        # bound to its old display.
        self.server("-k")
        wine_loader.prepare_prefix(self.env)
        key = "HKCU\\Software\\Wine\\Explorer"
        self.run("reg", "add", key, "/v", "Desktop", "/d", DESKTOP, "/f").check_returncode()
        self.run("reg", "add", key + "\\Desktops", "/v", DESKTOP, "/d", self.size, "/f"
                 ).check_returncode()
        self.server("-w")

    def start_desktop(self, x11, timeout=60):
        """Starts explorer's desktop and returns its X window once it shows."""
        self.desktop_process = self._popen(
            wine_loader.tool_command("explorer", [f"/desktop={DESKTOP},{self.size}"]),
            "desktop.log", env=wine_loader.tool_env(self.env), start_new_session=True)
        return wait_until(lambda: x11.search(name=f"^{DESKTOP} - Wine desktop$"),
                          timeout=timeout, what="the Wine desktop window")[0]

    def start(self, exe, args=(), cwd=None, log_name="program.log", debug=None):
        """Starts a Windows program; the process is the program itself.
        debug replaces the Wine debug channels (WINEDEBUG) for this program."""
        env = dict(self.env, WINEDEBUG=debug) if debug else self.env
        process = self._popen(wine_loader.program_command(exe, args), log_name,
                              env=wine_loader.program_env(exe, env), cwd=cwd)
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
        self.server("-k")
        if self.desktop_process:
            try:
                self.desktop_process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.desktop_process.kill()
                self.desktop_process.wait()
        # wineserver -k returns before the server is gone; wait for it so
        # that the next run starts with a server on its own display.
        self.server("-w", timeout=30)
        if self.session_lock:
            self.session_lock.close()
            self.session_lock = None
