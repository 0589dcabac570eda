"""Wine for one run: the prefix, held by one run at a time, its desktop
with a taskbar on the private display, and the programs started in it."""
import contextlib
import fcntl
import os
import subprocess

import wine_loader

DESKTOP = "shell"


def windows_path(path):
    """The Windows name of a local file: Wine maps drive Z: to the root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class WineSession:
    def __init__(self, prefix, display, log_dir, size):
        self.prefix, self.log_dir, self.started = os.path.abspath(prefix), log_dir, []
        # Without winemenubuilder a Start menu shortcut made in the prefix
        # stays there instead of becoming a menu entry of the Linux desktop.
        self.env = dict(os.environ, DISPLAY=display, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        # One run at a time: a second would end this one's programs with its
        # wineserver -k. The lock goes with the process.
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        self.lock = open(self.prefix + ".session", "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        # A wineserver left by an interrupted run would be bound to its display.
        self.server("-k")
        wine_loader.prepare_prefix(self.env)
        key = "HKCU\\Software\\Wine\\Explorer"
        self.run("reg", "add", key, "/v", "Desktop", "/d", DESKTOP, "/f").check_returncode()
        self.run("reg", "add", key + "\\Desktops", "/v", DESKTOP, "/d", size, "/f").check_returncode()
        self.server("-w")
        self._popen(wine_loader.tool_command("explorer", [f"/desktop={DESKTOP},{size}"]),
                    wine_loader.tool_env(self.env), "desktop.log", start_new_session=True)

    def _popen(self, command, env, log_name, **options):
        with open(os.path.join(self.log_dir, log_name), "ab") as log:
            self.started.append(subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                                 stdout=log, stderr=log, **options))
        return self.started[-1]

    def server(self, *args, timeout=120):
        subprocess.run(wine_loader.server_command(args), env=self.env, stdin=subprocess.DEVNULL,
                       capture_output=True, timeout=timeout)

    def run(self, tool, *args, timeout=120):
        return subprocess.run(wine_loader.tool_command(tool, args), env=wine_loader.tool_env(self.env),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)

    def start(self, exe, args=(), cwd=None, log_name="program.log", debug=None):
        """A Windows program (the process is the program itself), tracing the channels debug."""
        env = dict(self.env, WINEDEBUG=debug) if debug else self.env
        return self._popen(wine_loader.program_command(exe, args), wine_loader.program_env(exe, env),
                           log_name, cwd=cwd)

    def end(self, process):
        process.kill()   # nothing if it has ended
        with contextlib.suppress(subprocess.TimeoutExpired):
            process.wait(timeout=10)

    def shutdown(self):
        for process in self.started:
            self.end(process)
        self.server("-k")
        # wineserver -k returns before the server is gone; the next run needs
        # a server on its own display.
        self.server("-w", timeout=30)
        self.lock.close()
