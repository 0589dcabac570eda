"""Base class of the end-to-end tests: a fresh target and a tidy end for
every test, and the steps of a pick as a person takes them."""
import os
import unittest

from .session import current
from .target import TargetWindow
from .zorvakomat import Zorvakomat
from .zvk_file import write_document


class E2ETestCase(unittest.TestCase):
    def setUp(self):
        self.session = current()
        self.x11 = self.session.x11
        self.scratch = self.session.scratch_dir(self.id())

    def start_target(self):
        target = TargetWindow(self.session.wine, self.x11, self.session.target_exe, self.scratch)
        self.addCleanup(target.stop)
        return target.start()

    def start_zorvakomat(self, document=None):
        program = Zorvakomat(self.session)
        self.addCleanup(program.stop)
        return program.start(document)

    def document(self, submenus, name="macros.zvk"):
        return write_document(os.path.join(self.scratch, name), submenus)

    def pick_into(self, program, target, keys):
        """The road of a pick: right click on the icon, choose the entry the
        keys lead to, click into the target, which then receives the keys."""
        program.pick(keys)
        target.click()
