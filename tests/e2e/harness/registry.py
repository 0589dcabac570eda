"""The Wine prefix's registry: a whole branch read at once (reg export) and
changes made at once (reg import), one Wine process each."""
import os
import re

from .wine import windows_path


def _unquote(text):
    return re.sub(r"\\(.)", r"\1", text[1:-1])


class Registry:
    def __init__(self, wine, folder):
        self.wine, self.folder = wine, folder

    def _reg(self, *args):
        result = self.wine.run("reg", *args)
        if result.returncode != 0:
            raise RuntimeError(f"reg {' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")

    def read(self, key):
        """{key: {value name: value}} for key and those under it, names in lower case."""
        path = os.path.join(self.folder, "export.reg")
        self._reg("export", key, windows_path(path), "/y")
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

    def change(self, lines):
        """Imports the lines of a .reg file ("[-KEY]" deletes a key, '"NAME"=-' a value)."""
        path = os.path.join(self.folder, "change.reg")
        with open(path, "w", encoding="utf-16", newline="\r\n") as file:
            file.write("\n".join(["Windows Registry Editor Version 5.00", "", *lines, ""]))
        self._reg("import", windows_path(path))
