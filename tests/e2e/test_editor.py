"""The Edit SubMenus dialog, used as a person does: opened from the tray,
filled by clicking and typing, closed with OK or Cancel; then the document
is saved, its entries picked, or the program left."""
import os

from harness.e2e_case import E2ETestCase, read
from harness.polling import wait_until
from harness.zorvakomat import keys_to_cascade_item
from harness.zvk_file import Item, SubMenu, document_bytes

CAPTION = "Edit SubMenus"

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
}


class EditSubMenusDialog:
    """The open dialog and a person's clicks and keys on its controls.
    Positions come from the template's dialog units scaled to the window's
    client area, which is found in the pixels: the frame is the same width
    on every side, the caption a band of one colour below the top edge."""

    def __init__(self, program):
        self.x11 = program.x11
        self.program = program
        self.window = program.window(CAPTION)
        rect = self.x11.geometry(self.window)
        # The controls are drawn a moment after the window shows; the text
        # box's white face spans the lower part.
        shot = wait_until(lambda: self.x11.grab(rect.x, rect.y, rect.width, rect.height),
                          lambda shot: shot.at(shot.width // 2, shot.height * 3 // 4) == (255,) * 3,
                          what="the dialog to be drawn")
        middle = shot.height // 2
        face = shot.at(shot.width // 2, middle)
        frame = next(x for x in range(shot.width // 2)
                     if shot.at(x, middle) == face and shot.at(x + 1, middle) == face)
        caption = shot.at(shot.width // 2, frame + 1)
        caption_bottom = next(y for y in range(frame + 1, shot.height)
                              if shot.at(shot.width // 2, y) != caption)
        self.left, self.top = rect.x + frame, rect.y + caption_bottom
        self.scale_x = (rect.width - 2 * frame) / DIALOG_UNITS[0]
        self.scale_y = (rect.height - frame - caption_bottom) / DIALOG_UNITS[1]

    def click(self, control, y_share=0.5):
        x, y, width, height = CONTROLS[control]
        self.x11.click(round(self.left + (x + width / 2) * self.scale_x),
                       round(self.top + (y + height * y_share) * self.scale_y))

    def choose(self, list_name, index):
        """Selects entry index of a list: a click on its first entry, then
        Down to the entry wanted (each step a selection change, as by hand)."""
        self.click(list_name, y_share=0.08)
        if index:
            self.x11.key(*["Down"] * index)

    def retype(self, box, text):
        """Clicks into a one-line box, selects its whole text and types over it."""
        self.click(box)
        self.x11.key("End", "shift+Home")
        self.x11.type(text)

    def type_lines(self, *lines):
        """Clicks into the item's text box and types the lines, Enter between them."""
        self.click("item_text")
        for number, line in enumerate(lines):
            if number:
                self.x11.key("Return")
            self.x11.type(line)

    def close_with(self, button):
        self.click(button)
        self.program.wait_closed(self.window)


class EditSubMenus(E2ETestCase):
    def test_build_a_document_from_nothing_then_cancel_changes_nothing(self):
        target = self.start_target()
        program = self.start_zorvakomat()
        program.tray("e")
        dialog = EditSubMenusDialog(program)
        dialog.click("new_sub")
        dialog.retype("submenu_name", "Letters")
        for name in ("Greeting", "Middle", "Sign"):
            dialog.click("new_item")
            dialog.retype("item_name", name)
        dialog.choose("items", 0)
        dialog.type_lines("Dear Sir,", "Thank you.")
        dialog.click("chain")
        dialog.choose("items", 2)
        dialog.type_lines('["!"]')
        dialog.choose("items", 1)
        dialog.click("delete_item")
        dialog.close_with("ok")

        # Saved through Save As, since the document has no name yet.
        path = os.path.join(self.scratch, "letters.zvk")
        program.tray("s")
        program.choose_file("Save As", path)
        saved = document_bytes([SubMenu("Letters", [
            Item("Greeting", "Dear Sir,\r\nThank you.", chain=True), Item("Sign", '["!"]')])])
        wait_until(lambda: os.path.exists(path) and read(path), lambda data: data == saved,
                   what="the saved document to hold what was built")

        # The new entries are in the pick menu: the chained greeting brings
        # the sign after it.
        self.pick_into(program, target, keys_to_cascade_item(0, 0))
        target.wait_for_text(b"Dear Sir,\r\nThank you.!")
        self.pick_into(program, target, keys_to_cascade_item(0, 1))
        target.wait_for_text(b"Dear Sir,\r\nThank you.!!")

        # Edits closed with Cancel change nothing: the entry types what it
        # did, and the document is not modified, so Exit asks nothing.
        program.tray("e")
        dialog = EditSubMenusDialog(program)
        dialog.retype("submenu_name", "Renamed")
        dialog.retype("item_name", "Other")
        dialog.type_lines("changed")
        dialog.click("new_item")
        dialog.click("delete_sub")
        dialog.close_with("cancel")
        self.pick_into(program, target, keys_to_cascade_item(0, 0))
        target.wait_for_text(b"Dear Sir,\r\nThank you.!!Dear Sir,\r\nThank you.!")
        program.tray("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(program.messages(), [])
        self.assertEqual(read(path), saved)

    def test_a_tray_click_brings_the_open_dialog_forward_and_runs_nothing_inside_it(self):
        path = self.document([SubMenu("Mine", [Item("a", "[tab]")])], "mine.zvk")
        original = read(path)
        target = self.start_target()
        program = self.start_zorvakomat(path)
        program.tray("e")
        dialog = program.window(CAPTION)
        before = set(program.windows())

        def above(upper, lower):
            order = self.x11.stacking(self.session.desktop)
            return order.index(upper) < order.index(lower)
        # The target comes in front of the dialog (clicked where the dialog
        # does not cover it); a right click on the icon brings the dialog back
        # over it, and no pick menu opens.
        window = self.x11.search(pid=target.process.pid)[0]
        rect = self.x11.geometry(window)
        self.x11.click(rect.x + rect.width - 40, rect.y + 8)
        wait_until(lambda: above(window, dialog), what="the target in front of the dialog")
        self.x11.click(*program.icon, button=3)
        wait_until(lambda: above(dialog, window), what="the open dialog to come forward")
        self.assertEqual(set(program.windows()), before, "a window opened")

        # OK, then Save: the file holds what it held.
        program.answer("Return", CAPTION)
        saved = self.saving(path)
        program.tray("s")
        saved()
        self.assertEqual(read(path), original)
