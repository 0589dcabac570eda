"""Prompts: the data entry box asks for a value in the middle of a run, and
the value is typed back into the window the run started in."""
from harness.e2e_case import E2ETestCase
from harness.polling import wait_until
from harness.zorvakomat import DATA_ENTRY_CAPTION, keys_to_cascade_item, keys_to_entry
from harness.zvk_file import Item, SubMenu


def prompt_chain(*texts):
    items = [Item(f"step {index}", text, chain=True) for index, text in enumerate(texts)]
    items[-1].chain = False
    return items


class Prompts(E2ETestCase):
    def answer(self, program, *keys, text=None):
        box = wait_until(lambda: program.visible_window_named(DATA_ENTRY_CAPTION), timeout=15,
                         what="the data entry box")
        self.x11.focus(box)
        if text is not None:
            self.x11.type(text)
        self.x11.key(*keys)
        wait_until(lambda: box not in program.windows(), timeout=10,
                   what="the data entry box to close")

    def start_with(self, *submenus):
        target = self.start_target()
        program = self.start_zorvakomat(self.document(list(submenus)))
        return target, program

    def test_answer_is_typed_back_into_the_target(self):
        target, program = self.start_with(SubMenu("TopLevel", prompt_chain(
            "[&1Your name?]", '["Hi "]', "[%1]", '["!"]')))
        self.pick_into(program, target, keys_to_entry(0))
        self.answer(program, "Return", text="Zoe Q")
        target.wait_for_text("Hi Zoe Q!")

    def test_default_is_offered_selected_and_cancel_empties_the_variable(self):
        target, program = self.start_with(
            SubMenu("Keep", prompt_chain("[*John]", "[&2Name?]", "[%2]", '["|"]')),
            SubMenu("Replace", prompt_chain("[*Bob]", "[&2Name?]", "[%2]", '["|"]')),
            SubMenu("Cancel", prompt_chain("[*Eve]", "[&3Name?]", '["<"]', "[%3]", '[">"]')))
        # OK without editing keeps the default.
        self.pick_into(program, target, keys_to_cascade_item(0, 0))
        self.answer(program, "Return")
        target.wait_for_text("John|")
        # The default is selected, so typing replaces it.
        self.pick_into(program, target, keys_to_cascade_item(1, 0))
        self.answer(program, "Return", text="Ann")
        target.wait_for_text("John|Ann|")
        # Cancel leaves the variable empty, whatever the default was.
        self.pick_into(program, target, keys_to_cascade_item(2, 0))
        self.answer(program, "Escape")
        target.wait_for_text("John|Ann|<>")

    def test_multi_line_box_keeps_both_lines(self):
        target, program = self.start_with(SubMenu("TopLevel", prompt_chain(
            "[multi]", "[&4Address?]", '["["]', "[%4]", '["]"]')))
        self.pick_into(program, target, keys_to_entry(0))
        box = wait_until(lambda: program.visible_window_named(DATA_ENTRY_CAPTION), timeout=15,
                         what="the data entry box")
        self.x11.focus(box)
        self.x11.type("ab")
        self.x11.key("Return")   # a new line in the multi-line box, not OK
        self.x11.type("cd")
        self.x11.key("Tab", "Return")
        wait_until(lambda: box not in program.windows(), timeout=10,
                   what="the data entry box to close")
        # Both lines come back in order, the line break typed as Enter. Had
        # the single-line box been shown, Return would have ended it after "ab".
        text = wait_until(target.text, lambda t: t is not None and t.endswith(b"]"),
                          timeout=15, what="the value typed back")
        self.assertEqual(text, b"[ab\r\ncd]")
