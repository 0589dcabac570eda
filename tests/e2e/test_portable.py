"""The portable zip, unpacked and run in a Wine prefix made for this test
alone (run_e2e.py --fresh-prefix): the program keeps its settings in the
Zorvakomat.ini beside it and leaves nothing in the registry."""
import os

from harness.e2e_case import E2ETestCase, read
from harness.wine import windows_path
from test_install import EXTENSION, FILE_TYPE, unzip

KEYS = [r"HKEY_CURRENT_USER\Software\Zorvak", EXTENSION, FILE_TYPE]


class Portable(E2ETestCase):
    def test_the_unpacked_zip_keeps_its_settings_beside_it_and_nothing_in_the_registry(self):
        folder = unzip(self.scratch)
        ini, starter = os.path.join(folder, "Zorvakomat.ini"), os.path.join(folder, "examples", "starter.zvk")

        # Started on a document, which goes into the recent files, and
        # ended from the tray.
        program = self.zorvakomat(os.path.join(folder, "zorvakomat.exe")).start(starter)
        program.menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(program.status_texts(), [text for text in program.status_texts() if "ini" not in text])
        self.assertIn(f"File1={windows_path(starter)}".encode().lower(), read(ini).lower())
        self.assertIn(b"; Zorvakomat's settings", read(ini))
        registry = self.registry.read(r"HKEY_CURRENT_USER\Software")
        self.assertEqual([key for key in KEYS if key.lower() in registry], [])

