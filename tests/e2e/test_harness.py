"""The harness itself, with the target program alone: if these fail, the
program's tests cannot tell anything."""
import os

from harness.e2e_case import E2ETestCase
from harness.session import HEIGHT
from harness.tray import tray_icons


class TargetReportsWhatItReceives(E2ETestCase):
    def test_typed_text_and_keys_without_text_are_reported(self):
        target = self.start_target()
        target.click()
        self.x11.type("Hello, World!")
        # Keys that change no text still show in the key log.
        self.x11.key("Left", "Escape", "Right", "Return")
        self.x11.type("x")
        target.wait_for_text(b"Hello, World!\r\nx")
        downs = target.key_downs()
        for code, name in ((0x25, "Left"), (0x1B, "Escape"), (0x27, "Right"), (0x0D, "Return"),
                           (0x10, "Shift")):
            self.assertIn(code, downs, f"{name} missing from the key log {downs}")

    def test_screenshot_shows_the_desktop_with_its_taskbar(self):
        self.start_target()
        path = self.session.screenshot("harness-desktop")
        self.assertGreater(os.path.getsize(path), 0)
        taskbar = self.session.taskbar
        self.assertEqual(taskbar.y + taskbar.height, HEIGHT)
        # Without Zorvakomat the tray is empty.
        self.assertEqual(tray_icons(self.x11, taskbar), [])
