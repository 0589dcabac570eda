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
    def search(self, program, typed, *keys):
        """Opens the search box by its hotkey, types there and presses the keys: the box."""
        self.x11.key("ctrl+alt+space")
        box = program.window(SEARCH_BOX)
        self.x11.type(typed)
        self.x11.key(*keys)
        return box

    def test_keyboard_picks_type_where_the_focus_was(self):
        target = self.start_target()
        program = self.zorvakomat().start(self.document(DOCUMENT))
        program.wait_hidden()
        target.click()   # the focus in the target's edit box

        # Picks from the hotkey's menu type there without a click.
        program.menu(*entry(1), hotkey=True)
        target.wait_for_text("Regards, Zoe")
        program.menu(*entry(0), hotkey=True)
        typed = "Regards, Zoehello"
        target.wait_for_text(typed)

        # From the search hotkey to the box on screen, five times; Escape
        # closes it and types nothing.
        clock = MapClock(self.x11.env["DISPLAY"])
        self.addCleanup(clock.close)
        times = []
        for _ in range(5):
            times.append(clock.time_to_new_window("Control_L", "Alt_L", "space")[0] * 1000)
            program.answer("Escape", SEARCH_BOX)
        print(f"hotkey to search box on screen: {', '.join(f'{t:.0f}' for t in times)} ms, "
              f"median {statistics.median(times):.0f} ms")
        self.assertEqual(target.text(), typed.encode())

        # Letters no item has: Enter chooses nothing and the box stays; a few
        # letters of a text, Enter: that item arrives in the target.
        box = self.search(program, "qqq", "Return")
        self.assertIn(box, program.windows())
        self.x11.key("BackSpace", "BackSpace", "BackSpace")
        self.x11.type("street")
        self.x11.key("Return")
        program.wait_closed(box)
        target.wait_for_text(typed + "12 Sign Street")

        # Down moves past the grayed Blank to the next item; with nothing
        # typed the latest pick comes first.
        program.wait_closed(self.search(program, "sign", "Down", "Return"))   # Sign, then Address (its text)
        target.wait_for_text(typed + "12 Sign Street" * 2)
        self.x11.key("ctrl+alt+space")
        program.answer("Return", SEARCH_BOX)
        target.wait_for_text(typed + "12 Sign Street" * 3)
