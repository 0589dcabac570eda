"""Beyond the tray click: the pick hotkey opens the pick menu at the pointer,
and the user's Escape stops a running macro."""
import os
import re

from harness.e2e_case import E2ETestCase
from harness.polling import wait_until
from harness.zorvakomat import keys_to_entry
from harness.zvk_file import Item, SubMenu

SHIFT = 0x10
LONG = "abcdefghij" * 500

# The entries after the separator, in order.
STOP_DOCUMENT = [SubMenu("TopLevel", [
    Item("Wait", "[shift]", chain=True),               # 0: a wait with Shift held
    Item("before", '["before"]', chain=True),          # 1
    Item("the wait", "[!60000]", chain=True),          # 2
    Item("after", '["after"]'),                        # 3
    Item("Long", f'["[shift]{LONG}"]'),                # 4: a long text with Shift held
    Item("Next", '["next"]'),                          # 5
    Item("Own Escape", '["ab[escape]cd"]'),            # 6
    Item("Ask", "[&1Name?]", chain=True),              # 7
    Item("Typed", '["<[%1]>"]'),                       # 8
])]
NEXT = 5


def help_words(path):
    """The help page's text without its tags, spaces folded."""
    with open(path, encoding="cp1252") as page:
        return " ".join(re.sub(r"<[^>]+>", " ", page.read()).split())


class Hotkey(E2ETestCase):
    def test_the_hotkey_opens_the_pick_menu_at_the_pointer(self):
        target = self.start_target()
        program = self.start_zorvakomat(self.document(STOP_DOCUMENT))
        target.click()   # the keys go to the target, which does not use them

        pointer = (900, 500)
        self.x11.move(*pointer)
        menu = program.open_pick_menu(hotkey=True)
        rect = self.x11.geometry(menu)
        self.assertLessEqual(abs(rect.x + rect.width - pointer[0]), 4, rect)
        self.assertLessEqual(abs(rect.y - pointer[1]), 4, rect)
        self.x11.key(*keys_to_entry(NEXT), "Return")
        program.wait_closed(menu)
        target.click()
        target.wait_for_text("next")

        # A second program finds the key taken: it says so in the status bar,
        # in the help page's words, and shows no box.
        second = self.zorvakomat().start(trace_status_bar=True)
        taken = wait_until(lambda: [text for text in second.status_texts() if "Ctrl+Alt+Z" in text],
                           what="the status bar to tell of the taken key")
        self.assertEqual(taken, ["Ctrl+Alt+Z is in use by another program, so it does not open "
                                 "the pick menu. Choose another key in the PickHotkey setting."])
        page = help_words(os.path.join(os.path.dirname(self.session.app_exe), "index.html"))
        self.assertIn(taken[0], page)
        self.assertEqual(second.messages(), [])

        # The first program still has the key.
        target.click()
        program.pick(keys_to_entry(NEXT), hotkey=True)
        target.click()
        target.wait_for_text("nextnext")


class Stop(E2ETestCase):
    def stop_and_pick_next(self, program, target):
        """Escape typed into the target stops the run: the Shift it held is
        released, which is the last thing the run does; then a pick types
        "next" in small letters. The target takes its time: keys sent before
        the stop may still wait in its queue (several hundred characters
        under load)."""
        shifts_up = target.key_ups().count(SHIFT)
        self.x11.key("Escape")
        wait_until(lambda: target.key_ups().count(SHIFT), lambda n: n > shifts_up, timeout=60,
                   what="the run to release Shift")
        self.pick_into(program, target, keys_to_entry(NEXT))
        # The characters in the order they came: the click moves the caret.
        return wait_until(target.chars, lambda chars: chars.endswith("next"),
                          what="the pick after the stop")

    def test_the_users_escape_stops_a_macro_and_the_macros_own_does_not(self):
        target = self.start_target()
        program = self.start_zorvakomat(self.document(STOP_DOCUMENT))

        # In the middle of a wait: what follows it never comes.
        self.pick_into(program, target, keys_to_entry(0))
        target.wait_for_text("BEFORE")
        self.assertEqual(self.stop_and_pick_next(program, target), "BEFORE\x1bnext")

        # In the middle of a long text: the target gets a part of it.
        before = len(target.chars())
        self.pick_into(program, target, keys_to_entry(4))
        wait_until(lambda: len(target.chars()), lambda n: n > before,
                   what="the long text to be under way")
        received = self.stop_and_pick_next(program, target)[before:-len("next")]
        # A character already on its way when the user pressed Escape may
        # arrive after it, nothing more.
        typed, escape, late = received.partition("\x1b")
        self.assertTrue(escape and len(late) <= 1 and 0 < len(typed + late) < len(LONG)
                        and LONG.upper().startswith(typed + late),
                        f"not a part of the long text stopped at the Escape: "
                        f"...{received[-40:]!r} ({len(received)} characters)")

        # The macro's own Escape goes to the target and stops nothing.
        before = len(target.chars())
        self.pick_into(program, target, keys_to_entry(6))
        wait_until(target.chars, lambda chars: chars[before:] == "ab\x1bcd",
                   what="the item with its own Escape")

        # Escape in the data entry box cancels the box; the run goes on.
        self.pick_into(program, target, keys_to_entry(7))
        program.answer("Escape", "Zorvakomat Data Entry Box")
        wait_until(target.chars, lambda chars: chars[before:] == "ab\x1bcd<>",
                   what="the item after the cancelled box")
