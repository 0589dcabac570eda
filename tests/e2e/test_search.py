"""Picking from the keyboard: a pick from the hotkey's menu types into the
window that had the focus, without a click; the search box, opened by its
hotkey, finds an item by a few letters and types it there too."""
import statistics

from harness.e2e_case import E2ETestCase, Item, SubMenu
from harness.map_clock import MapClock
from harness.polling import wait_until
from harness.zorvakomat import entry

DOCUMENT = [SubMenu("TopLevel", [Item("Greet", '["hello"]'), Item("Sign", '["Regards, Zoe"]')]),
            SubMenu("Letters", [Item("Blank", ""), Item("Address", '["12 Sign Street"]')])]
SEARCH_BOX = "Search Items"


class Search(E2ETestCase):
    def test_a_hotkey_pick_types_where_the_focus_was(self):
        target = self.start_target()
        program = self.zorvakomat().start(self.document(DOCUMENT))
        program.wait_hidden()

        target.click()   # the focus in the target's edit box
        program.menu(*entry(1), hotkey=True)
        target.wait_for_text("Regards, Zoe")
        program.menu(*entry(0), hotkey=True)
        target.wait_for_text("Regards, Zoehello")

    def test_the_search_box_types_its_choice_where_the_focus_was(self):
        target = self.start_target()
        program = self.zorvakomat().start(self.document(DOCUMENT))
        program.wait_hidden()
        target.click()
        clock = MapClock(self.x11.env["DISPLAY"])
        self.addCleanup(clock.close)

        # From the hotkey to the box on screen, five times; Escape closes it
        # and types nothing.
        times = []
        for _ in range(5):
            seconds, _window = clock.time_to_new_window("Control_L", "Alt_L", "space")
            times.append(seconds * 1000)
            box = program.window(SEARCH_BOX)
            self.x11.key("Escape")
            program.wait_closed(box)
        print(f"hotkey to search box on screen: {', '.join(f'{t:.0f}' for t in times)} ms, "
              f"median {statistics.median(times):.0f} ms")
        self.assertEqual(target.text(), b"")

        # Letters no item has: Enter chooses nothing and the box stays; a few
        # letters of a text, Enter: that item arrives in the target.
        self.x11.key("ctrl+alt+space")
        box = program.window(SEARCH_BOX)
        self.x11.type("qqq")
        self.x11.key("Return")
        self.assertIn(box, program.windows())
        self.x11.key("BackSpace", "BackSpace", "BackSpace")
        self.x11.type("street")
        self.x11.key("Return")
        program.wait_closed(box)
        target.wait_for_text("12 Sign Street")

        # With nothing typed the latest pick comes first; Down moves past the
        # grayed Blank to the next item.
        self.x11.key("ctrl+alt+space")
        box = program.window(SEARCH_BOX)
        self.x11.type("sign")   # Sign, then Address (its text)
        self.x11.key("Down", "Return")
        program.wait_closed(box)
        target.wait_for_text("12 Sign Street12 Sign Street")
        self.x11.key("ctrl+alt+space")
        box = program.window(SEARCH_BOX)
        self.x11.key("Return")   # the latest pick, first with nothing typed
        program.wait_closed(box)
        wait_until(target.text, lambda text: text == b"12 Sign Street" * 3, what="the latest pick again")
