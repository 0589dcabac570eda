"""The program in the tray: its start, the pick menu and what a pick types
into the window clicked next, the main window coming and going, the Exit."""

from harness.e2e_case import E2ETestCase
from harness.polling import wait_until
from harness.zorvakomat import keys_to_cascade_item, keys_to_entry
from harness.zvk_file import Item, SubMenu

CTRL, V = 0x11, 0x56
DATA_ENTRY = "Zorvakomat Data Entry Box"
LITERAL = "Paste me,\r\nplease!"
TYPED = "Typed: A+b (1<2) a_b ~{x}!"

# The entries after the separator: First >, Typed, Blank, Empty >, ab, Left,
# X, End, Y, Z.
PICK_DOCUMENT = [
    SubMenu("First", [Item("Literal", LITERAL)]),
    SubMenu("TopLevel", [Item("Typed", f'["{TYPED}"]'), Item("Blank", "")]),
    SubMenu("Empty"),
    SubMenu("toplevel", [Item("ab", '["ab"]', chain=True), Item("Left", "[left]", chain=True),
                         Item("X", "X", chain=True), Item("End", "[END]", chain=True),
                         Item("Y", '["Y"]'), Item("Z", '["Z"]')]),
]


class Tray(E2ETestCase):
    def wait_maximized(self, frame):
        taskbar = self.session.taskbar
        wait_until(lambda: self.x11.geometry(frame),
                   lambda r: (r.mapped and r.x <= 0 and r.y <= 0 and r.x + r.width >= taskbar.width
                              and r.y + r.height >= taskbar.y),
                   what="the main window shown maximized")

    def test_start_main_window_and_exit(self):
        program = self.start_zorvakomat()
        frame = program.main_window()
        self.assertEqual(self.x11.window_name(frame), "Untitled - Zorvakomat")
        wait_until(lambda: self.x11.geometry(frame), lambda r: not r.mapped,
                   what="the main window to be hidden by its first paint")

        # OK in Edit SubMenus marks the document modified, even without a
        # change: the tray's Exit asks first, and Cancel keeps the program
        # and its icon.
        program.ok_in_edit_submenus()
        program.tray("x")
        program.answer("Escape")
        self.assertTrue(program.running())
        self.assertTrue(program.icon_present())

        program.double_click_icon()
        self.wait_maximized(frame)
        self.x11.focus(frame)
        self.x11.key("alt+v", "h")   # View > Hide Main Window
        wait_until(lambda: self.x11.geometry(frame), lambda r: not r.mapped,
                   what="the main window to be hidden")
        program.double_click_icon()   # maximized, whatever it was before
        self.wait_maximized(frame)

        # No ends the program without saving.
        program.tray("x")
        program.answer("n")
        self.assertEqual(program.wait_ended(), 0)
        wait_until(lambda: not program.icon_present(), what="the tray icon to go")
        self.assertEqual(program.messages(), ["Save changes to Untitled?"] * 2)

    def test_picks_type_into_the_window_clicked_next(self):
        target = self.start_target()
        program = self.start_zorvakomat(self.document(PICK_DOCUMENT))

        # A plain text goes through the clipboard, pasted with Ctrl+V; the
        # block on the clipboard holds nothing after the text but zeros.
        self.pick_into(program, target, keys_to_cascade_item(0, 0))
        target.wait_for_text(LITERAL)
        self.assertIn(V, target.key_downs())
        text, _, rest = (self.x11.clipboard() or b"").partition(b"\0")
        self.assertEqual(text.replace(b"\r\n", b"\n"), b"Paste me,\nplease!")
        self.assertEqual(rest.strip(b"\0"), b"", "stale bytes after the text on the clipboard")

        # A token is typed key by key, and leaves the clipboard alone. The
        # TopLevel items stand in the menu itself.
        pastes = target.key_downs().count(CTRL)
        self.pick_into(program, target, keys_to_entry(1))
        target.wait_for_text(LITERAL + TYPED)
        self.assertEqual(target.key_downs().count(CTRL), pastes, "the token was pasted")
        self.assertEqual((self.x11.clipboard() or b"").partition(b"\0")[0], text)

        # The item without text is grayed: Return on it runs nothing.
        self.pick_into(program, target, keys_to_entry(2))
        # Opening the menu again drops a pick made but not run yet.
        program.pick(keys_to_entry(9))
        program.in_pick_menu("Escape")
        target.click()

        # A chain runs on from the picked item to the first without the chain
        # flag; "toplevel" stands inline after the empty cascade, in any case.
        self.pick_into(program, target, keys_to_entry(4))
        target.wait_for_text(LITERAL + TYPED + "aXbY")
        self.assertEqual(target.key_downs().count(CTRL), pastes + 1,
                         "only the chain's X was pasted")

    def test_prompts_ask_in_the_data_entry_box_and_type_the_answers(self):
        texts = ["[*Bob]", "[&1Name?]", "[multi]", "[&2Address?]", '["Hi "]', "[%1]", '[" at "]',
                 "[%2]"]
        items = [Item(f"step {n}", text, chain=n < len(texts) - 1) for n, text in enumerate(texts)]
        target = self.start_target()
        program = self.start_zorvakomat(self.document([SubMenu("TopLevel", items)]))
        self.pick_into(program, target, keys_to_entry(0))
        # The default stands selected in the box, so typing replaces it.
        program.window(DATA_ENTRY)
        self.x11.type("Zoe")
        program.answer("Return", DATA_ENTRY)
        # The multi-line box takes Return as a new line.
        program.window(DATA_ENTRY)
        self.x11.type("ab")
        self.x11.key("Return")
        self.x11.type("cd")
        self.x11.key("Tab")
        program.answer("Return", DATA_ENTRY)
        target.wait_for_text(b"Hi Zoe at ab\r\ncd")
