"""Picking from the keyboard: a pick from the hotkey's menu types into the
window that had the focus, without a click."""
from harness.e2e_case import E2ETestCase, Item, SubMenu
from harness.zorvakomat import entry

DOCUMENT = [SubMenu("TopLevel", [Item("Greet", '["hello"]'), Item("Sign", '["Regards, Zoe"]')])]


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
