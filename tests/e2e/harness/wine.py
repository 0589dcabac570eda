"""Wine for one run: the prefix, held by one run at a time, its desktop
with a taskbar on the private display, the programs started in it and its
registry, a whole branch read at once (reg export) and changes made at once
(reg import), one Wine process each."""
import contextlib
import fcntl
import os
import re
import subprocess

import wine_loader

DESKTOP = "shell"


def windows_path(path):
    """The Windows name of a local file: Wine maps drive Z: to the root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def _unquote(text):
    return re.sub(r"\\(.)", r"\1", text[1:-1])


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
        key = "HKEY_CURRENT_USER\\Software\\Wine\\Explorer"
        self.change_registry([f"[{key}]", f'"Desktop"="{DESKTOP}"',
                              f"[{key}\\Desktops]", f'"{DESKTOP}"="{size}"'])
        self.server("-w")
        self._popen(wine_loader.tool_command("explorer", [f"/desktop={DESKTOP},{size}"]),
                    wine_loader.tool_env(self.env), "desktop.log", start_new_session=True)

    def _popen(self, command, env, log_name, **options):
        with open(os.path.join(self.log_dir, log_name), "ab") as log:
            self.started.append(subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                                 stdout=log, stderr=log, **options))
        return self.started[-1]

    def server(self, *args):
        subprocess.run(wine_loader.server_command(args), env=self.env, stdin=subprocess.DEVNULL,
                       capture_output=True, timeout=120)

    def run(self, tool, *args):
        """The output of one of Wine's tools, which must succeed."""
        result = subprocess.run(wine_loader.tool_command(tool, args), env=wine_loader.tool_env(self.env),
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        if result.returncode != 0:
            raise RuntimeError(f"{tool} {' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")
        return result.stdout

    def start(self, exe, args, log_name, cwd=None, debug=None):
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
        self.server("-w")
        self.lock.close()

    def registry(self, key):
        """{key: {value name: value}} for key and those under it, names in lower case."""
        path = os.path.join(self.log_dir, "export.reg")
        self.run("reg", "export", key, windows_path(path), "/y")
        with open(path, "rb") as file:
            text = file.read().decode("utf-16")
        keys, values = {}, {}
        for line in text.splitlines():
            if line.startswith("[") and line.endswith("]"):
                values = keys.setdefault(line[1:-1].lower(), {})
            elif match := re.match(r'^(@|"(?:[^"\\]|\\.)*")=(.*)$', line):
                name, raw = match.groups()
                values["" if name == "@" else _unquote(name).lower()] = (
                    _unquote(raw) if raw.startswith('"') else int(raw[6:], 16) if raw.startswith("dword:") else raw)
        return keys

    def change_registry(self, lines):
        """Imports the lines of a .reg file ("[-KEY]" deletes a key, '"NAME"=-' a value)."""
        path = os.path.join(self.log_dir, "change.reg")
        with open(path, "w", encoding="utf-16", newline="\r\n") as file:
            file.write("\n".join(["Windows Registry Editor Version 5.00", "", *lines, ""]))
        self.run("reg", "import", windows_path(path))
