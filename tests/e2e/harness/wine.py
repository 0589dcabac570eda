"""Wine for one test run: a prefix in the build tree, a desktop with a
taskbar on the private display, and the programs started in it."""
import fcntl
import os
import shutil
import struct
import subprocess

from .polling import wait_until

DESKTOP_NAME = "shell"


_MACHINE_AMD64 = 0x8664


def _is_64_bit(exe):
    """Whether a Windows executable is an x86-64 one (its PE header's machine)."""
    with open(exe, "rb") as file:
        header = file.read(4096)
    (pe_offset,) = struct.unpack_from("<I", header, 0x3C)
    if header[pe_offset:pe_offset + 4] != b"PE\0\0":
        raise RuntimeError(f"{exe} is not a Windows executable")
    (machine,) = struct.unpack_from("<H", header, pe_offset + 4)
    return machine == _MACHINE_AMD64


def loader_for(exe):
    """The Wine loader that runs exe in the process it starts. Plain "wine"
    hands a 64-bit program to a helper process when 32-bit Wine is installed,
    and the tests need the program's own process id."""
    if _is_64_bit(exe):
        for candidate in (shutil.which("wine64"), "/usr/lib/wine/wine64",
                          "/usr/lib64/wine/wine64"):
            if candidate and os.access(candidate, os.X_OK):
                return candidate
    return "wine"


def windows_path(path):
    """The Windows name of a local file: Wine maps drive Z: to the root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class WineSession:
    def __init__(self, prefix, display, log_dir, width=1280, height=1024):
        self.prefix = os.path.abspath(prefix)
        self.log_dir = log_dir
        self.size = f"{width}x{height}"
        self.env = dict(os.environ, DISPLAY=display, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.env.pop("WINESERVER", None)
        self.desktop_process = None
        self.started = []

    def _log(self, name):
        return open(os.path.join(self.log_dir, name), "ab")

    def _wine(self, *args, timeout=120):
        with self._log("wine-setup.log") as log:
            subprocess.run(["wine", *args], env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                           stderr=log, timeout=timeout, check=True)

    def prepare_prefix(self):
        """Creates the prefix once (a first wineboot takes 10 to 15 s) and
        makes every program open in the named desktop with the taskbar."""
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        with open(self.prefix + ".lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            # A wineserver left over from an interrupted run would still be
            # bound to its old display.
            self.kill_server()
            user_reg = os.path.join(self.prefix, "user.reg")
            if not os.path.exists(os.path.join(self.prefix, "system.reg")):
                with self._log("wine-setup.log") as log:
                    subprocess.run(["wineboot", "-i"], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=log, timeout=300, check=True)
            if not self._desktop_configured(user_reg):
                key = "HKCU\\Software\\Wine\\Explorer"
                self._wine("reg", "add", key, "/v", "Desktop", "/d", DESKTOP_NAME, "/f")
                self._wine("reg", "add", key + "\\Desktops", "/v", DESKTOP_NAME, "/d",
                           self.size, "/f")
            subprocess.run(["wineserver", "-w"], env=self.env, timeout=120)

    def _desktop_configured(self, user_reg):
        try:
            with open(user_reg, encoding="utf-8", errors="replace") as registry:
                text = registry.read()
        except FileNotFoundError:
            return False
        return (f'"Desktop"="{DESKTOP_NAME}"' in text
                and f'"{DESKTOP_NAME}"="{self.size}"' in text)

    def start_desktop(self, x11, timeout=60):
        """Starts explorer's desktop and returns its X window once the
        taskbar stands."""
        log = self._log("desktop.log")
        try:
            self.desktop_process = subprocess.Popen(
                ["wine", "explorer", f"/desktop={DESKTOP_NAME},{self.size}"], env=self.env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
        finally:
            log.close()
        desktop = wait_until(lambda: x11.search(name=f"^{DESKTOP_NAME} - Wine desktop$"),
                             timeout=timeout, what="the Wine desktop window")[0]
        return desktop

    def start(self, exe, args=(), cwd=None, log_name="program.log"):
        """Starts a Windows program; the process is the program itself."""
        log = self._log(log_name)
        try:
            process = subprocess.Popen([loader_for(exe), exe, *args], env=self.env, cwd=cwd,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        finally:
            log.close()
        self.started.append(process)
        return process

    def end(self, process, timeout=10):
        if process.poll() is None:
            process.kill()
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            pass
        if process in self.started:
            self.started.remove(process)

    def kill_server(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)

    def shutdown(self):
        for process in list(self.started):
            self.end(process)
        self.kill_server()
        if self.desktop_process:
            try:
                self.desktop_process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.desktop_process.kill()
                self.desktop_process.wait()
            self.desktop_process = None
        # wineserver -k returns before the server is gone; wait for it so
        # that the next run starts with a server on its own display.
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=30)
