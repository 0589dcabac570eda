"""Documents as a person handles them, and what is said and kept when a file
cannot be read or written, at a log-off and when a start fails."""
import os
import shutil
import tempfile

from harness.e2e_case import E2ETestCase, Item, SubMenu, document_bytes, read
from harness.polling import wait_until
from harness.wine import windows_path
from harness.zorvakomat import entry, titles

# The Edit SubMenus dialog's size and its controls' rectangles (x, y, width,
# height) in dialog units, as its template lays them out.
DIALOG_UNITS = (253, 213)
CONTROLS = {"ok": (195, 11, 50, 14), "items": (105, 39, 80, 61), "delete_item": (105, 104, 40, 14),
            "new_sub": (60, 104, 35, 14), "new_item": (150, 104, 35, 14), "submenu_name": (15, 11, 80, 13),
            "item_name": (105, 11, 80, 13), "item_text": (15, 133, 224, 55), "chain": (17, 197, 160, 8)}


def macros(name):
    return [SubMenu(name, [Item(name + " item", "[tab]")])]


class EditSubMenusDialog:
    """The open dialog's controls, placed by the template's dialog units
    scaled to the client area, which is found in the pixels: the frame is as
    wide on every side, the caption a band of one colour below the top edge."""

    def __init__(self, program):   # opened from the tray
        self.x11, self.program = program.x11, program
        program.menu("e")
        self.window = program.window("Edit SubMenus")
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
        caption_bottom = next(y for y in range(frame + 1, shot.height) if shot.at(shot.width // 2, y) != caption)
        self.left, self.top = rect.x + frame, rect.y + caption_bottom
        self.scale = ((rect.width - 2 * frame) / DIALOG_UNITS[0],
                      (rect.height - frame - caption_bottom) / DIALOG_UNITS[1])

    def click(self, control, y_share=0.5):
        x, y, width, height = CONTROLS[control]
        self.x11.click(round(self.left + (x + width / 2) * self.scale[0]),
                       round(self.top + (y + height * y_share) * self.scale[1]))

    def choose(self, list_name, index):
        self.click(list_name, y_share=0.08)
        if index:
            self.x11.key(*["Down"] * index)

    def retype(self, box, *lines):
        self.click(box)
        self.x11.key("ctrl+End", "ctrl+shift+Home")
        for number, line in enumerate(lines):
            if number:
                self.x11.key("Return")
            self.x11.type(line)

    def close_with(self, button):
        self.click(button)
        self.program.wait_closed(self.window)


class Documents(E2ETestCase):
    def test_build_a_document_in_edit_submenus(self):
        target = self.start_target()
        program = self.zorvakomat().start()
        dialog = EditSubMenusDialog(program)

        # While the dialog is open, a right click on the icon brings it back in
        # front of the target, which was clicked to the front (where the
        # dialog does not cover it), and opens no pick menu.
        before = set(program.windows())
        rect = self.x11.geometry(target.window)
        self.x11.click(rect.x + rect.width - 40, rect.y + 8)

        def above(upper, lower):
            order = self.x11.stacking(self.session.desktop)
            return order.index(upper) < order.index(lower)
        wait_until(lambda: above(target.window, dialog.window), what="the target on top")
        self.x11.click(*program.icon, button=3)
        wait_until(lambda: above(dialog.window, target.window), what="the dialog on top")
        self.assertEqual(set(program.windows()), before, "a window opened")
        dialog.click("new_sub")
        dialog.retype("submenu_name", "Letters")
        for name in ("Greeting", "Middle", "Sign"):
            dialog.click("new_item")
            dialog.retype("item_name", name)
        dialog.choose("items", 0)
        dialog.retype("item_text", "Dear Sir,", "Thank you.")
        dialog.click("chain")
        dialog.choose("items", 2)
        dialog.retype("item_text", '["!"]')
        dialog.choose("items", 1)
        dialog.click("delete_item")
        dialog.close_with("ok")

        # Saved through Save As, since the document has no name yet.
        path = os.path.join(self.scratch, "letters.zvk")
        program.choose_file("s", "Save As", path)
        saved = document_bytes([SubMenu("Letters", [Item("Greeting", "Dear Sir,\r\nThank you.", True),
                                                    Item("Sign", '["!"]')])])
        wait_until(lambda: os.path.exists(path) and read(path), lambda data: data == saved,
                   what="the saved document to hold what was built")

        # The new entries are in the pick menu: the chained greeting brings
        # the sign after it.
        program.menu(*entry(0, 0), into=target, expect="Dear Sir,\r\nThank you.!")

        # The saved document is not modified: Exit asks nothing.
        program.menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(program.messages(), [])

    def test_failures_lose_nothing_and_a_log_off_asks_to_save(self):
        # A start on a missing file says so and ends, leaving no icon.
        missing = os.path.join(self.scratch, "missing.zvk")
        program = self.zorvakomat()
        before = program.icons()
        program.launch(missing)
        program.answer("Return")
        self.assertEqual(program.messages(), [windows_path(missing) + " was not found."])
        self.assertNotEqual(program.wait_ended(), 0)
        self.assertEqual(program.icons(), before)

        # Short, so that Wine's trace of the message box holds all of it.
        folder = tempfile.mkdtemp(prefix="zvk")
        self.addCleanup(shutil.rmtree, folder)
        larger = [SubMenu("One", [Item("a", "[tab]")]), SubMenu("Two", [Item("b", "[tab]"), Item("c", "[tab]")]),
                  SubMenu("Three", [Item("d", "[tab]")])]
        path = self.document(larger, os.path.join(folder, "large.zvk"))
        original = read(path)
        self.lock_folder(folder)
        smaller = self.document(macros("Small"), "small.zvk")
        cut = self.document(read(smaller)[:-5], "cut.zvk")
        copy = os.path.join(self.scratch, "copy.zvk")
        program = self.zorvakomat().start(path)

        # A save over a file in a folder where no new file can be made says
        # so, naming the folder, and keeps the file as it was.
        program.ok_in_edit_submenus()
        program.menu("s")
        program.answer("Return")
        self.assertEqual(read(path), original)
        self.assertEqual(os.listdir(folder), ["large.zvk"])

        # The tray's Open asks first; a file that ends too early then leaves
        # not a byte of itself in the document, as Save As shows.
        program.choose_file("o", "Open", cut)
        program.answer("n")
        program.answer("Return")
        program.choose_file("a", "Save As", copy)
        program.wait_caption(copy)
        self.assertEqual(read(copy), original)

        # A whole file then opens and names the document. A log-off asks to
        # save it, modified: Cancel refuses the end of the session; Yes saves
        # and allows it, and the program ends.
        program.choose_file("o", "Open", smaller)
        program.wait_caption(smaller)
        dialog = EditSubMenusDialog(program)
        dialog.click("new_sub")
        dialog.close_with("ok")
        self.assertEqual(program.end_session("Escape"), 1)
        self.assertEqual(program.end_session("y"), 0)
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(read(smaller), document_bytes(macros("Small") + [SubMenu("NewSub")]))
        self.assertIn(program.messages(), [[
            f"{windows_path(path)} could not be saved because no temporary file can be created in the "
            f"folder {windows_path(folder)}.", f"Save changes to {large}?",
            "An attempt was made to access an unnamed file past its end.",
            f"Save changes to {small}?", f"Save changes to {small}?"]
            for large, small in zip(titles(path), titles(smaller))])
