"""Base class of the end-to-end tests: a folder, a target and a Zorvakomat
for every test, and ended again after it."""
import os
import stat
import subprocess
import unittest

from .polling import wait_until
from .session import current
from .target import TargetWindow
from .zorvakomat import Zorvakomat
from .zvk_file import document_bytes


def read(path):
    """The whole content of a file, as bytes."""
    with open(path, "rb") as file:
        return file.read()


class E2ETestCase(unittest.TestCase):
    def setUp(self):
        self.session = current()
        self.x11 = self.session.x11
        self.scratch = self.session.scratch_dir(self.id())

    def start_target(self):
        target = TargetWindow(self.session.wine, self.x11, self.session.target_exe, self.scratch)
        self.addCleanup(target.stop)
        return target.start()

    def zorvakomat(self):
        """A Zorvakomat not started yet, that is ended after the test."""
        program = Zorvakomat(self.session)
        self.addCleanup(program.stop)
        return program

    def start_zorvakomat(self, document=None):
        return self.zorvakomat().start(document)

    def document(self, content, name="macros.zvk"):
        """Writes a file into the test's folder: a document made of a list
        of submenus, or the bytes given."""
        path = os.path.join(self.scratch, name)
        with open(path, "wb") as file:
            file.write(content if isinstance(content, bytes) else document_bytes(content))
        return path

    def saving(self, path):
        """A wait for path to be saved anew: a save puts a new file, with an
        inode of its own, in the old one's place. Take it before the save."""
        before = os.stat(path).st_ino
        return lambda: wait_until(lambda: os.stat(path).st_ino, lambda inode: inode != before,
                                  what=f"{os.path.basename(path)} to be saved")

    def lock_folder(self, path):
        """No file can be made in the folder from now on until the test ends,
        by root neither; the files in it stay writable."""
        self.addCleanup(os.chmod, path, stat.S_IRWXU)
        os.chmod(path, stat.S_IRUSR | stat.S_IXUSR)
        if os.geteuid() == 0:   # root writes anywhere, but not into an immutable folder
            subprocess.run(["chattr", "+i", path], check=True)
            self.addCleanup(subprocess.run, ["chattr", "-i", path], check=True)

    def pick_into(self, program, target, keys):
        """The road of a pick: right click on the icon, choose the entry the
        keys lead to, click into the target, which then receives the keys."""
        program.pick(keys)
        target.click()
