"""The Wine prefix's registry as the tests see it: a whole branch read at
once (reg export) and changes made at once (reg import), one Wine process
each."""
import os
import re

from .wine import windows_path

_VALUE = re.compile(r'^(@|"(?:[^"\\]|\\.)*")=(.*)$')


def _unquote(text):
    return re.sub(r"\\(.)", r"\1", text[1:-1])


def parse_reg_file(text):
    """{key: {value name: value}} of an exported .reg file, every name in
    lower case (the registry ignores case). Strings and dwords are read;
    other kinds stay as written (their first line)."""
    keys, values = {}, None
    for line in text.splitlines():
        if line.startswith("[") and line.endswith("]"):
            values = keys.setdefault(line[1:-1].lower(), {})
            continue
        match = _VALUE.match(line)
        if match and values is not None:
            name = "" if match.group(1) == "@" else _unquote(match.group(1))
            raw = match.group(2)
            if raw.startswith('"'):
                value = _unquote(raw)
            elif raw.startswith("dword:"):
                value = int(raw[6:], 16)
            else:
                value = raw
            values[name.lower()] = value
    return keys


class Registry:
    def __init__(self, wine, folder):
        self.wine = wine
        self.folder = folder

    def _reg(self, *args):
        result = self.wine.run("reg", *args)
        if result.returncode != 0:
            raise RuntimeError(f"reg {' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")

    def read(self, key):
        """Every key under key (and key itself), with their values."""
        path = os.path.join(self.folder, "export.reg")
        self._reg("export", key, windows_path(path), "/y")
        with open(path, "rb") as file:
            return parse_reg_file(file.read().decode("utf-16"))

    def change(self, lines):
        """Imports the lines of a .reg file: "[KEY]" makes a key, "[-KEY]"
        deletes one, '"NAME"=...' sets a value, '"NAME"=-' deletes it."""
        path = os.path.join(self.folder, "change.reg")
        with open(path, "w", encoding="utf-16", newline="\r\n") as file:
            file.write("\n".join(["Windows Registry Editor Version 5.00", "", *lines, ""]))
        self._reg("import", windows_path(path))


def reg_string(text):
    """A string as a .reg file writes it."""
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'
