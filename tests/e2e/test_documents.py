"""Documents as a person handles them, and what is said and kept when a file
cannot be read or written, at a log-off and when a start fails."""
import os
import shutil
import tempfile

from harness.e2e_case import E2ETestCase, Item, SubMenu, document_bytes, read
from harness.polling import wait_until
from harness.wine import windows_path
from harness.zorvakomat import entry, titles

RECENT_KEY = r"HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat\Recent File List"
# The Edit SubMenus dialog's size and its controls' rectangles (x, y, width,
# height) in dialog units, as its template lays them out.
DIALOG_UNITS = (253, 213)
CONTROLS = {"ok": (195, 11, 50, 14), "cancel": (195, 30, 50, 14), "submenus": (15, 39, 80, 61),
            "items": (105, 39, 80, 61), "delete_sub": (16, 104, 40, 14), "delete_item": (105, 104, 40, 14),
            "new_sub": (60, 104, 35, 14), "new_item": (150, 104, 35, 14), "submenu_name": (15, 11, 80, 13),
            "item_name": (105, 11, 80, 13), "item_text": (15, 133, 224, 55), "chain": (17, 197, 160, 8)}


def macros(name):
    return [SubMenu(name, [Item(name + " item", "[tab]")])]


class EditSubMenusDialog:
    """The open dialog's controls, placed by the template's dialog units
    scaled to the client area, which is found in the pixels: the frame is as
    wide on every side, the caption a band of one colour below the top edge."""

    def __init__(self, program):
        self.x11, self.program = program.x11, program
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

    def click(self, *controls, y_share=0.5):
        for control in controls:
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
    def add_submenu(self, program):
        program.menu("e")
        dialog = EditSubMenusDialog(program)
        dialog.click("new_sub", "ok")
        program.wait_closed(dialog.window)

    def test_build_a_document_in_edit_submenus(self):
        target = self.start_target()
        program = self.zorvakomat().start()
        program.menu("e")
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
        program.menu("s")
        program.choose_file("Save As", path)
        saved = document_bytes([SubMenu("Letters", [Item("Greeting", "Dear Sir,\r\nThank you.", True),
                                                    Item("Sign", '["!"]')])])
        wait_until(lambda: os.path.exists(path) and read(path), lambda data: data == saved,
                   what="the saved document to hold what was built")

        # The new entries are in the pick menu: the chained greeting brings
        # the sign after it.
        program.menu(*entry(0, 0), into=target)
        target.wait_for_text("Dear Sir,\r\nThank you.!")

        # Edits closed with Cancel change nothing: the entry types what it
        # did, and the document is not modified, so Exit asks nothing.
        program.menu("e")
        dialog = EditSubMenusDialog(program)
        dialog.click("new_item", "delete_sub")
        dialog.close_with("cancel")
        program.menu(*entry(0, 0), into=target)
        target.wait_for_text("Dear Sir,\r\nThank you.!" * 2)
        program.menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(program.messages(), [])
        self.assertEqual(read(path), saved)

    def test_open_save_the_recent_file_list_and_a_log_off(self):
        # A start on a missing file says so and ends, leaving no icon.
        missing = os.path.join(self.scratch, "missing.zvk")
        program = self.zorvakomat()
        before = program.icons()
        program.launch(missing)
        program.answer("Return")
        self.assertEqual(program.messages(), [windows_path(missing) + " was not found."])
        self.assertNotEqual(program.wait_ended(), 0)
        self.assertEqual(program.icons(), before)

        paths = [self.document(macros(f"Recent{n}"), f"recent{n}.zvk") for n in range(1, 6)]
        program = self.zorvakomat().start()
        program.show_main_window()
        for path in paths:
            program.main_menu("alt+f", "o")
            program.choose_file("Open", path)
            program.wait_caption(path)
        program.main_menu("alt+f", "x")
        self.assertEqual(program.wait_ended(), 0)

        # The list is kept and read again at the next start, here on recent5
        # named on the command line: File menu entry 2 is recent4.
        program = self.zorvakomat().start(paths[4])
        program.wait_caption(paths[4])
        program.show_main_window()
        program.main_menu("alt+f", "2")
        program.wait_caption(paths[3])
        # Now recent4, recent5, recent3, recent2: entry 3's file is gone.
        os.remove(paths[2])
        program.main_menu("alt+f", "3")
        program.answer("Return")
        program.wait_caption(paths[3])

        # Save As: the document follows its new name.
        copy = os.path.join(self.scratch, "copy.zvk")
        program.main_menu("alt+f", "a")
        program.choose_file("Save As", copy)
        program.wait_caption(copy)
        self.assertEqual(read(copy), read(paths[3]))

        # A log-off asks to save a modified document: Cancel refuses the end
        # of the session; Yes saves and allows it, and the program ends, its
        # icon and settings put away.
        self.add_submenu(program)
        self.assertEqual(program.end_session("Escape"), 1)
        self.assertEqual(program.end_session("y"), 0)
        self.assertEqual(program.wait_ended(), 0)
        self.assertIn(program.messages(), [[windows_path(paths[2]) + " was not found."]
                                           + [f"Save changes to {title}?"] * 2 for title in titles(copy)])
        self.assertEqual(read(copy), document_bytes(macros("Recent4") + [SubMenu("NewSub")]))
        recent = self.registry.read(RECENT_KEY)[RECENT_KEY.lower()]
        self.assertEqual([recent.get(f"file{n}") for n in range(1, 5)],
                         [windows_path(path) for path in (copy, paths[3], paths[4], paths[1])])

    def test_a_failed_save_a_failed_open_and_the_trays_open_lose_and_mix_nothing(self):
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
        program.menu("o")
        program.choose_file("Open", cut)
        program.answer("n")
        program.answer("Return")
        program.menu("a")
        program.choose_file("Save As", copy)
        program.wait_caption(copy)
        self.assertEqual(read(copy), original)

        # The smaller file's new submenu then starts empty instead of
        # bringing back the larger one's items.
        program.menu("o")
        program.choose_file("Open", smaller)
        program.wait_caption(smaller)
        self.add_submenu(program)
        inode = os.stat(smaller).st_ino   # a save puts a new file in the old one's place
        program.menu("s")
        wait_until(lambda: os.stat(smaller).st_ino, lambda new: new != inode, what="a new file")
        self.assertEqual(read(smaller), document_bytes(macros("Small") + [SubMenu("NewSub")]))
        self.assertEqual(read(path), original)
        self.assertIn(program.messages(), [[
            f"{windows_path(path)} could not be saved because no temporary file can be created in the "
            f"folder {windows_path(folder)}.", f"Save changes to {title}?",
            "An attempt was made to access an unnamed file past its end."]
            for title in titles(path)])
