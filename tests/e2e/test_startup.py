"""Start-up: the main window is shown, hidden again by its first paint, and
the program waits in the tray."""
import os

from harness.e2e_case import E2ETestCase
from harness.map_events import MapEventRecorder
from harness.polling import wait_until
from harness.zorvakomat import keys_to_entry
from harness.zvk_file import Item, SubMenu


class StartUp(E2ETestCase):
    def test_main_window_is_shown_then_hidden_and_the_icon_stays(self):
        recorder = MapEventRecorder(self.x11, self.session.desktop,
                                    os.path.join(self.scratch, "map-events.log"))
        with recorder:
            program = self.start_zorvakomat()
            frame = wait_until(program.main_window, timeout=10, what="the main window")
            self.assertEqual(self.x11.window_name(frame), "Untitled - Zorvakomat")
            events = wait_until(lambda: recorder.events_of(frame),
                                lambda kinds: kinds[-1:] == ["unmap"], timeout=10,
                                what="the main window to be hidden again")
        self.assertEqual(events[0], "map", f"the main window was never shown: {events}")
        self.assertFalse(self.x11.geometry(frame).mapped)
        self.assertTrue(program.icon_present())
        self.assertTrue(program.running())

    def test_document_named_on_the_command_line_is_what_the_menu_shows(self):
        document = self.document([SubMenu("TopLevel", [Item("Greet", '["from the file"]')])],
                                 name="startup.zvk")
        target = self.start_target()
        program = self.start_zorvakomat(document)
        self.assertIn(self.x11.window_name(program.main_window()),
                      ("startup.zvk - Zorvakomat", "startup - Zorvakomat"))
        self.pick_into(program, target, keys_to_entry(0))
        target.wait_for_text("from the file")
