"""The program in the tray: picks, prompts, the main window and the Exit; the
pick hotkey, the user's Escape, later starts handing over to the first, and
a key taken by another program."""
import os
import re

from harness.e2e_case import E2ETestCase, Item, SubMenu, document_bytes, read
from harness.polling import wait_exit, wait_until
from harness.zorvakomat import entry, titles

SHIFT = 0x10
DATA_ENTRY = "Zorvakomat Data Entry Box"
LITERAL = "Paste me,\r\nplease!"
TYPED = "Typed: A+b (1<2) a_b ~{x}!"
PROMPTS = ["[*Bob]", "[&1Name?]", "[multi]", "[&2Address?]", '["Hi "]', "[%1]", '[" at "]', "[%2]"]
# The entries after the separator: First >, Typed, Blank, Empty >, ab, Left,
# X, End, Y, Z, Ask >.
PICK_DOCUMENT = [
    SubMenu("First", [Item("Literal", LITERAL)]),
    SubMenu("TopLevel", [Item("Typed", f'["{TYPED}"]'), Item("Blank", "")]), SubMenu("Empty"),
    SubMenu("toplevel", [Item("ab", '["ab"]', True), Item("Left", "[left]", True), Item("X", "X", True),
                         Item("End", "[END]", True), Item("Y", '["Y"]'), Item("Z", '["Z"]')]),
    SubMenu("Ask", [Item(f"step {n}", text, n < len(PROMPTS) - 1) for n, text in enumerate(PROMPTS)])]
STOP_DOCUMENT = [SubMenu("TopLevel", [
    Item("Wait", "[shift]", True),               # 0: a wait with Shift held
    Item("before", '["before"]', True), Item("the wait", "[!60000]", True), Item("after", '["after"]'),
    Item("Next", '["next"]'),                    # 4
    Item("Own Escape", '["ab[escape]cd"]'),      # 5
    Item("Ask", "[&1Name?]", True),              # 6
    Item("Typed", '["<[%1]>"]')])]
NEXT = 4


def wait_chars(target, expected, since=0, what="the characters"):
    """The target's characters from since on, once they are expected."""
    return wait_until(target.chars, lambda chars: chars[since:] == expected, what=f"{what}: {expected!r}")


class Tray(E2ETestCase):
    def test_picks_type_into_the_window_clicked_next(self):
        target = self.start_target()
        path = self.document(PICK_DOCUMENT)
        program = self.zorvakomat().start(path)
        program.wait_hidden()   # by its first paint

        # A plain text is pasted, a token typed key by key. The TopLevel
        # items stand in the menu itself. The paste gives the user's
        # clipboard back.
        self.x11.set_clipboard("keep me")
        program.menu(*entry(0, 0), into=target, expect=LITERAL)
        wait_until(self.x11.clipboard, lambda text: text == "keep me", what="the user's clipboard back")
        program.menu(*entry(1), into=target, expect=LITERAL + TYPED)

        # A chain runs on from the picked item to the first without the chain
        # flag; "toplevel" stands inline after the empty cascade, in any case.
        program.menu(*entry(4), into=target, expect=LITERAL + TYPED + "aXbY")

        # Prompts ask in the data entry box, whose default stands selected
        # (typing replaces it); the multi-line box takes Return as a new line.
        program.menu(*entry(10, 0), into=target)
        program.answer("Return", DATA_ENTRY, "Zoe")
        program.window(DATA_ENTRY)
        self.x11.type("ab")
        self.x11.key("Return")
        self.x11.type("cd")
        self.x11.key("Tab")   # on to OK
        program.answer("Return", DATA_ENTRY)
        target.wait_for_text(LITERAL + TYPED + "aXbYHi Zoe at ab\r\ncd")

        # OK in Edit SubMenus marks the document modified, even without a
        # change: the tray's Exit asks first, and Cancel keeps the program
        # and its icon, where a double click shows the main window maximized.
        program.ok_in_edit_submenus()
        program.menu("x")
        program.answer("Escape")
        program.show_main_window()

        # No ends the program without saving.
        program.menu("x")
        program.answer("n")
        self.assertEqual(program.wait_ended(), 0)
        self.assertIn(program.messages(), [[f"Save changes to {title}?"] * 2 for title in titles(path)])
        self.assertEqual(read(path), document_bytes(PICK_DOCUMENT))

    def test_the_hotkey_and_the_users_escape(self):
        target = self.start_target()
        program = self.zorvakomat().start(self.document(STOP_DOCUMENT))

        # Escape in the target stops a run in the middle of a wait, whose
        # last act releases the Shift it held: what follows the wait never
        # comes, and a pick then types.
        program.menu(*entry(0), into=target, expect="BEFORE")
        shifts_up = target.keys("keyup").count(SHIFT)
        self.x11.key("Escape")
        wait_until(lambda: target.keys("keyup").count(SHIFT), lambda n: n > shifts_up, timeout=60,
                   what="the run to release Shift")
        program.menu(*entry(NEXT), into=target)
        wait_chars(target, "BEFORE\x1bnext", what="the pick after the stop")

        # The macro's own Escape goes to the target and stops nothing; Escape
        # in the data entry box cancels the box, and the run goes on.
        before = len(target.chars())
        program.menu(*entry(5), into=target)
        wait_chars(target, "ab\x1bcd", before, "the item with its own Escape")
        program.menu(*entry(6), into=target)
        program.answer("Escape", DATA_ENTRY)
        wait_chars(target, "ab\x1bcd<>", before, "the item after the cancelled box")

        # The first program still has the key: pressed in the target, it
        # opens the pick menu at the pointer, and a pick types.
        target.click()
        pointer = (900, 500)
        self.x11.move(*pointer)
        menu = program.open_pick_menu(hotkey=True)
        rect = self.x11.geometry(menu)
        self.assertLessEqual(max(abs(rect.x + rect.width - pointer[0]), abs(rect.y - pointer[1])), 4, rect)
        before = len(target.chars())
        self.x11.key(*entry(NEXT))
        program.wait_closed(menu)
        target.click()
        wait_chars(target, "next", before, "the pick by the hotkey")

        # Later starts hand over to this program and end. A file (as from
        # Explorer) opens as by the tray's Open, the pick menu then being the
        # new file's; no file (the Start menu) shows the main window.
        second = self.document([SubMenu("TopLevel", [Item("Second", '["second"]')])], "second.zvk")
        for document in (second, None):
            later = self.zorvakomat().launch(document, cwd=self.scratch)
            self.assertEqual(wait_exit(later.process, "the later start to end", timeout=30), 0)
            if document:
                program.wait_caption(second)
                program.menu(*entry(0), into=target)
                wait_chars(target, "nextsecond", before, "the pick from the handed-over file")
        program.wait_frame(lambda rect: rect.mapped, "the main window shown")
        self.assertEqual((program.process.poll(), program.messages()), (None, []))

        # With the key held by another program, the program says so in the
        # status bar, in the help page's words, and shows no box.
        program.menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.start_target(hold_hotkey=True)
        program = self.zorvakomat().start()
        taken = wait_until(lambda: [text for text in program.status_texts() if "Ctrl+Alt+Z" in text],
                           what="the status bar to tell of the taken key")
        self.assertEqual(taken, ["Ctrl+Alt+Z is in use by another program, so it does not open "
                                 "the pick menu. Choose another key in the PickHotkey setting."])
        with open(os.path.join(os.path.dirname(self.session.app_exe), "index.html"), encoding="cp1252") as page:
            self.assertIn(taken[0], " ".join(re.sub(r"<[^>]+>", " ", page.read()).split()))
        self.assertEqual(program.messages(), [])
