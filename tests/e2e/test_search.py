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
    def start(self):
        """The target, with the focus in its edit box, and the program, in the tray."""
        target = self.start_target()
        program = self.zorvakomat().start(self.document(DOCUMENT))
        program.wait_hidden()
        target.click()
        return target, program

    def search(self, program, typed, *keys):
        """Opens the search box by its hotkey, types there and presses the keys: the box."""
        self.x11.key("ctrl+alt+space")
        box = program.window(SEARCH_BOX)
        self.x11.type(typed)
        self.x11.key(*keys)
        return box

    def test_a_hotkey_pick_types_where_the_focus_was(self):
        target, program = self.start()
        program.menu(*entry(1), hotkey=True)
        target.wait_for_text("Regards, Zoe")
        program.menu(*entry(0), hotkey=True)
        target.wait_for_text("Regards, Zoehello")

    def test_the_search_box_types_its_choice_where_the_focus_was(self):
        target, program = self.start()
        clock = MapClock(self.x11.env["DISPLAY"])
        self.addCleanup(clock.close)

        # From the hotkey to the box on screen, five times; Escape closes it
        # and types nothing.
        times = []
        for _ in range(5):
            times.append(clock.time_to_new_window("Control_L", "Alt_L", "space")[0] * 1000)
            program.answer("Escape", SEARCH_BOX)
        print(f"hotkey to search box on screen: {', '.join(f'{t:.0f}' for t in times)} ms, "
              f"median {statistics.median(times):.0f} ms")
        self.assertEqual(target.text(), b"")

        # Letters no item has: Enter chooses nothing and the box stays; a few
        # letters of a text, Enter: that item arrives in the target.
        box = self.search(program, "qqq", "Return")
        self.assertIn(box, program.windows())
        self.x11.key("BackSpace", "BackSpace", "BackSpace")
        self.x11.type("street")
        self.x11.key("Return")
        program.wait_closed(box)
        target.wait_for_text("12 Sign Street")

        # Down moves past the grayed Blank to the next item; with nothing
        # typed the latest pick comes first.
        program.wait_closed(self.search(program, "sign", "Down", "Return"))   # Sign, then Address (its text)
        target.wait_for_text("12 Sign Street" * 2)
        self.x11.key("ctrl+alt+space")
        program.answer("Return", SEARCH_BOX)
        wait_until(target.text, lambda text: text == b"12 Sign Street" * 3, what="the latest pick again")
