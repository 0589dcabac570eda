"""The Edit SubMenus dialog, used as a person does: opened from the tray,
filled by clicking and typing, closed with OK or Cancel; then the document
is saved, its entries picked, or the program left."""
import os

from harness.e2e_case import E2ETestCase
from harness.polling import stays_true, wait_until
from harness.wine import windows_path
from harness.zorvakomat import keys_to_cascade_item, keys_to_entry
from harness.zvk_file import Item, SubMenu, document_bytes

DIALOG_CAPTION = "Edit SubMenus"
MESSAGE_CAPTION = "Zorvakomat"

# The dialog's size and its controls' rectangles (x, y, width, height) in
# dialog units, as its template lays them out.
DIALOG_UNITS = (253, 213)
CONTROLS = {
    "ok": (195, 11, 50, 14),
    "cancel": (195, 30, 50, 14),
    "submenus": (15, 39, 80, 61),
    "items": (105, 39, 80, 61),
    "delete_sub": (16, 104, 40, 14),
    "delete_item": (105, 104, 40, 14),
    "new_sub": (60, 104, 35, 14),
    "new_item": (150, 104, 35, 14),
    "submenu_name": (15, 11, 80, 13),
    "item_name": (105, 11, 80, 13),
    "item_text": (15, 133, 224, 55),
    "chain": (17, 197, 160, 8),
    "help": (195, 49, 50, 14),
}


class EditSubMenusDialog:
    """The open dialog: where its controls are on the screen, and a person's
    clicks and keys on them. Positions come from the template's dialog units
    scaled to the window's client area, which is found in the pixels: the
    frame is the same width on every side, the caption a band of one colour
    below the top edge."""

    def __init__(self, test, program, window):
        self.x11 = test.x11
        self.program = program
        self.window = window
        rect = self.x11.geometry(window)
        shot = self.x11.grab(rect.x, rect.y, rect.width, rect.height)
        frame = _frame_width(shot)
        caption_bottom = _caption_bottom(shot, frame)
        self.left = rect.x + frame
        self.top = rect.y + caption_bottom
        self.scale_x = (rect.width - 2 * frame) / DIALOG_UNITS[0]
        self.scale_y = (rect.height - frame - caption_bottom) / DIALOG_UNITS[1]

    def point(self, control, x_share=0.5, y_share=0.5):
        x, y, width, height = CONTROLS[control]
        return (round(self.left + (x + width * x_share) * self.scale_x),
                round(self.top + (y + height * y_share) * self.scale_y))

    def click(self, control):
        self.x11.click(*self.point(control))

    def choose(self, list_name, index):
        """Selects entry index of a list: a click on its first entry, then
        Down to the entry wanted (each step a selection change, as by hand)."""
        self.x11.click(*self.point(list_name, y_share=0.08))
        if index:
            self.x11.key(*["Down"] * index)

    def retype(self, box, text):
        """Clicks into a one-line box, selects its whole text and types over it."""
        self.click(box)
        self.x11.key("End", "shift+Home")
        self.x11.type(text)

    def type_lines(self, box, lines):
        """Clicks into the text box and types the lines, Enter between them."""
        self.click(box)
        for number, line in enumerate(lines):
            if number:
                self.x11.key("Return")
            self.x11.type(line)

    def close_with(self, button):
        self.click(button)
        self.wait_closed()

    def wait_closed(self):
        wait_until(lambda: self.window not in self.program.windows(), timeout=10,
                   what="the Edit SubMenus dialog to close")


def _frame_width(shot):
    """Columns from the left edge, at mid height, until the dialog's face colour."""
    y = shot.height // 2
    face = shot.at(shot.width // 2, y)
    for x in range(shot.width // 2):
        if shot.at(x, y) == face and shot.at(x + 1, y) == face:
            return x
    raise AssertionError("the dialog's frame was not found")


def _caption_bottom(shot, frame):
    """The first row below the caption band, counted from the window's top."""
    x = shot.width // 2
    caption = shot.at(x, frame + 1)
    y = frame + 1
    while y < shot.height and shot.at(x, y) == caption:
        y += 1
    return y


class EditSubMenus(E2ETestCase):
    def open_editor(self, program):
        menu = program.open_pick_menu()
        program.close_menu(menu, ["e"])
        window = wait_until(lambda: program.visible_window_named(DIALOG_CAPTION), timeout=10,
                            what="the Edit SubMenus dialog")
        self.x11.focus(window)
        # The controls are drawn a moment after the window shows.
        wait_until(lambda: self._drawn(window), timeout=10, what="the dialog to be drawn")
        return EditSubMenusDialog(self, program, window)

    def _drawn(self, window):
        rect = self.x11.geometry(window)
        shot = self.x11.grab(rect.x, rect.y, rect.width, rect.height)
        # The text box's white face spans its lower part.
        return shot.at(rect.width // 2, rect.height * 3 // 4) == (255, 255, 255)

    def exit_from_tray(self, program):
        menu = program.open_pick_menu()
        program.close_menu(menu, ["x"])

    def wait_ended(self, program):
        self.x11.move(640, 300)
        code = wait_until(program.process.poll, lambda c: c is not None, timeout=15,
                          what="zorvakomat.exe to end")
        self.assertEqual(code, 0)

    def answer_message(self, program, key):
        box = wait_until(lambda: program.visible_window_named(MESSAGE_CAPTION), timeout=10,
                         what="a message box")
        self.x11.focus(box)
        self.x11.key(key)
        wait_until(lambda: box not in program.windows() or not program.running(), timeout=10,
                   what="the message box to close")

    def read(self, path):
        with open(path, "rb") as file:
            return file.read()

    def test_build_a_macro_document_from_nothing(self):
        target = self.start_target()
        program = self.start_zorvakomat()
        dialog = self.open_editor(program)

        dialog.click("new_sub")
        dialog.retype("submenu_name", "Letters")
        for name in ("Greeting", "Middle", "Sign"):
            dialog.click("new_item")
            dialog.retype("item_name", name)
        dialog.choose("items", 0)
        dialog.type_lines("item_text", ["Dear Sir,", "Thank you."])
        dialog.click("chain")
        dialog.choose("items", 2)
        dialog.type_lines("item_text", ['["!"]'])
        dialog.choose("items", 1)
        dialog.click("delete_item")
        dialog.close_with("ok")

        # Saved through Save As, since the document has no name yet.
        saved = os.path.join(self.scratch, "letters.zvk")
        menu = program.open_pick_menu()
        program.close_menu(menu, ["s"])
        save_as = wait_until(lambda: program.visible_window_named("Save As"), timeout=10,
                             what="the Save As dialog")
        self.x11.focus(save_as)
        self.x11.type(windows_path(saved))
        self.x11.key("Return")
        wait_until(lambda: os.path.exists(saved) and os.path.getsize(saved) > 0, timeout=15,
                   what="the document to be saved")
        expected = document_bytes([SubMenu("Letters", [
            Item("Greeting", "Dear Sir,\r\nThank you.", chain=True),
            Item("Sign", '["!"]')])])
        wait_until(lambda: self.read(saved), lambda data: data == expected, timeout=10,
                   what="the saved document to hold what was built")

        # The new entries are in the pick menu: the chained greeting brings
        # the sign after it.
        self.pick_into(program, target, keys_to_cascade_item(0, 0))
        target.wait_for_text(b"Dear Sir,\r\nThank you.!")
        self.pick_into(program, target, keys_to_cascade_item(0, 1))
        target.wait_for_text(b"Dear Sir,\r\nThank you.!!")

    def test_cancel_after_edits_changes_nothing(self):
        original = [SubMenu("TopLevel", [Item("Kept", '["kept"]')])]
        path = self.document(original)
        target = self.start_target()
        program = self.start_zorvakomat(path)

        dialog = self.open_editor(program)
        dialog.retype("submenu_name", "Renamed")
        dialog.retype("item_name", "Other")
        dialog.type_lines("item_text", ["changed"])
        dialog.click("new_item")
        dialog.click("delete_sub")
        dialog.close_with("cancel")

        # The old entry still types its old text, and the document is not
        # modified: Exit ends at once, without a question.
        self.pick_into(program, target, keys_to_entry(0))
        target.wait_for_text("kept")
        self.exit_from_tray(program)
        self.wait_ended(program)
        self.assertEqual(self.read(path), document_bytes(original))

    def test_ok_without_changes_marks_the_document_modified(self):
        original = [SubMenu("Keys", [Item("Enter", "[enter]", chain=True)])]
        path = self.document(original)
        program = self.start_zorvakomat(path)

        dialog = self.open_editor(program)
        self.x11.key("Return")   # the focus is on OK when the dialog opens
        dialog.wait_closed()

        self.exit_from_tray(program)
        self.answer_message(program, "n")   # "Save changes to ...?": No
        self.wait_ended(program)
        self.assertEqual(self.read(path), document_bytes(original))

    def test_refusals_show_their_message_and_keep_the_dialog_open(self):
        program = self.start_zorvakomat()
        dialog = self.open_editor(program)

        # No submenu yet: a keystroke in the submenu-name box is refused.
        dialog.click("submenu_name")
        self.x11.type("x")
        self.answer_message(program, "Return")
        # Choosing a submenu empties the text box without a message; a
        # keystroke there with no item selected is refused.
        dialog.click("new_sub")
        self.assertTrue(stays_true(lambda: program.visible_window_named(MESSAGE_CAPTION),
                                   lambda box: box is None, duration=1.0),
                        "a message box came up when New Sub emptied the text box")
        dialog.click("item_text")
        self.x11.type("y")
        self.answer_message(program, "Return")
        # A keystroke in the item-name box adds an item instead.
        dialog.click("item_name")
        self.x11.type("z")
        dialog.type_lines("item_text", ["[enter]"])
        dialog.close_with("ok")

        path = os.path.join(self.scratch, "refusals.zvk")
        menu = program.open_pick_menu()
        program.close_menu(menu, ["s"])
        save_as = wait_until(lambda: program.visible_window_named("Save As"), timeout=10,
                             what="the Save As dialog")
        self.x11.focus(save_as)
        self.x11.type(windows_path(path))
        self.x11.key("Return")
        expected = document_bytes([SubMenu("NewSub", [Item("NewItem", "[enter]")])])
        wait_until(lambda: os.path.exists(path) and self.read(path), lambda data: data == expected,
                   timeout=15, what="the saved document")
