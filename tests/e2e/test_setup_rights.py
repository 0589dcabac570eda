"""Setup with administrator rights (as every Wine user has) never starts the
program: its last page does not offer to open the starter macros, and
finishing it leaves no Zorvakomat running with Setup's rights."""
import os

from harness.e2e_case import E2ETestCase
from harness.polling import wait_until
from harness.wine import windows_path
from test_install import SETUP, uninstall


def programs_in(prefix, exe):
    """The processes of the Wine prefix whose command line names exe."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as env, open(f"/proc/{pid}/cmdline", "rb") as cmd:
                environ, cmdline = env.read().split(b"\0"), cmd.read().lower()
        except OSError:
            continue
        if b"WINEPREFIX=" + os.fsencode(prefix) in environ and os.fsencode(exe).lower() in cmdline:
            found.append(int(pid))
    return found


class SetupRights(E2ETestCase):
    def test_an_elevated_setup_does_not_start_the_program(self):
        self.assertTrue(os.path.isfile(SETUP), f"{SETUP!r} has not been built (makensis?)")
        folder = os.path.join(self.scratch, "Zorvakomat")
        # What Setup installed is removed again, so that no later test finds it.
        uninstaller = os.path.join(folder, "uninstall.exe")
        self.addCleanup(lambda: os.path.exists(uninstaller) and uninstall(self.session, folder))
        process = self.session.wine.start(SETUP, ["/D=" + windows_path(folder)], log_name="setup.log")
        self.addCleanup(self.session.wine.end, process)
        window = wait_until(lambda: self.x11.search(pid=process.pid), what="Setup's window")[0]

        # Each page's default button, until Setup ends; the caption names the
        # page, and the files page moves on by itself.
        captions = []
        while process.poll() is None:
            caption = wait_until(lambda: self.x11.window_name(window) if process.poll() is None else "",
                                 lambda name: name is not None and not name.endswith(": Installing"),
                                 timeout=120, what="a page of Setup that waits for the user")
            if process.poll() is not None:
                break
            captions.append(caption)
            self.assertLess(len(captions), 12, captions)
            self.x11.focus(window)
            self.x11.key("Return")
            left = lambda: process.poll() is not None or self.x11.window_name(window) != caption  # noqa: E731
            try:
                wait_until(left, timeout=10, what=f"Setup to leave the page {caption!r}")
            except AssertionError:
                # The last page keeps the focus on its check box, where
                # Return presses nothing: its button, Finish, is Alt+F.
                self.x11.key("alt+f")
                wait_until(left, timeout=60, what=f"Setup to leave the page {caption!r}")
        self.assertEqual(process.wait(timeout=60), 0, captions)

        self.assertTrue(os.path.isfile(os.path.join(folder, "zorvakomat.exe")), captions)
        # A program Setup started would be there by now: Wine's CreateProcess
        # returns once the new process runs.
        self.assertEqual(programs_in(self.session.wine.prefix, "zorvakomat.exe"), [])
