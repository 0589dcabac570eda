"""Base class of the end-to-end tests: a folder for every test, and the
programs started for it ended after it; the macro documents they write."""
import os
import stat
import struct
import subprocess
import unittest
from collections import namedtuple

from .registry import Registry
from .session import current
from .target import TargetWindow, read  # noqa: F401
from .zorvakomat import Zorvakomat

Item = namedtuple("Item", "name text chain", defaults=[False])
SubMenu = namedtuple("SubMenu", "name items", defaults=[()])


def document_bytes(submenus):
    """The .zvk file of a list of submenus."""
    def counted(text):
        # Windows-1252 where it holds the text, else the wide form: a marker
        # and a count of UTF-16 units.
        try:
            marker, data, count = b"", text.encode("cp1252"), len(text)
        except UnicodeEncodeError:
            marker, data = b"\xff\xfe\xff", text.encode("utf-16-le")
            count = len(data) // 2
        assert count < 0xFFFE, "longer strings are written differently"
        return marker + (bytes([count]) if count < 0xFF else b"\xff" + struct.pack("<H", count)) + data
    out = [struct.pack("<iiii", 1, 0, 0, len(submenus))]
    for submenu in submenus:
        out += [struct.pack("<i", len(submenu.items)), counted(submenu.name)]
        out += [counted(item.name) + counted(item.text) + struct.pack("<i", item.chain) for item in submenu.items]
    return b"".join(out)


class E2ETestCase(unittest.TestCase):
    def setUp(self):
        self.session = current()
        self.x11 = self.session.x11
        self.scratch = self.session.scratch_dir(self.id())
        self.registry = Registry(self.session.wine, self.scratch)

    def start_target(self, hold_hotkey=False, wide=False):
        """The target; hold_hotkey: another one, that takes Ctrl+Alt+Z first."""
        folder = os.path.join(self.scratch, "key holder") if hold_hotkey else self.scratch
        os.makedirs(folder, exist_ok=True)
        target = TargetWindow(self.session.wine, self.x11, self.session.target_exe, folder, wide)
        self.addCleanup(target.stop)
        return target.start(hold_hotkey)

    def zorvakomat(self, exe=None):
        """A Zorvakomat not started yet, ended after the test."""
        program = Zorvakomat(self.session, exe)
        self.addCleanup(program.stop)
        return program

    def document(self, content, name="macros.zvk"):
        """Writes the document of a list of submenus, or bytes, into the test's folder."""
        path = os.path.join(self.scratch, name)
        with open(path, "wb") as file:
            file.write(content if isinstance(content, bytes) else document_bytes(content))
        return path

    def lock_folder(self, path):
        """No file can be made in the folder until the test ends, by root
        neither: an immutable folder, whose files stay writable, or where
        root may not make one (a user namespace) a read-only bind mount."""
        self.addCleanup(os.chmod, path, stat.S_IRWXU)
        os.chmod(path, stat.S_IRUSR | stat.S_IXUSR)
        if os.geteuid() != 0:
            return
        if subprocess.run(["chattr", "+i", path], stderr=subprocess.DEVNULL).returncode == 0:
            self.addCleanup(subprocess.run, ["chattr", "-i", path], check=True)
            return
        subprocess.run(["mount", "--bind", path, path], check=True)
        self.addCleanup(subprocess.run, ["umount", path], check=True)
        subprocess.run(["mount", "-o", "remount,ro,bind", path], check=True)
