"""Documents as a person handles them: opened from the command line, the
File menu's Open dialog, the recent-file entries and the tray's Open; saved
with Save and Save As; and what is said and kept when a file cannot be
written, or the program cannot start on it."""
import os
import re
import shutil
import tempfile

from harness.e2e_case import E2ETestCase, read
from harness.polling import wait_until
from harness.registry import Registry
from harness.wine import windows_path
from harness.zorvakomat import titles
from harness.zvk_file import Item, SubMenu, document_bytes
from test_editor import EditSubMenusDialog

RECENT_KEY = r"HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat\Recent File List"
CLASSES_KEY = r"HKEY_CURRENT_USER\Software\Classes"
TYPE_KEY = CLASSES_KEY + r"\Zorvakomat.Document"
EXTENSION_KEY = CLASSES_KEY + r"\.zvk"


def macros(name):
    """A document with one submenu holding one item."""
    return [SubMenu(name, [Item(name + " item", "[tab]")])]


class Documents(E2ETestCase):
    def setUp(self):
        super().setUp()
        # Its files go beside the test's folder, whose contents are checked.
        self.registry = Registry(self.session.wine, self.session.scratch_dir(self.id() + ".registry"))

    def recent_files(self):
        values = self.registry.read(RECENT_KEY).get(RECENT_KEY.lower(), {})
        return {name: value for name, value in values.items() if re.fullmatch(r"file\d", name)}

    def test_open_save_and_the_recent_file_list(self):
        paths = [self.document(macros(f"Recent{n}"), f"recent{n}.zvk") for n in range(1, 6)]
        program = self.start_zorvakomat()
        program.show_main_window()
        for path in paths:
            program.file_menu("o")
            program.choose_file("Open", path)
            program.wait_caption(*titles(path))
        program.file_menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(self.recent_files(),
                         {f"file{n}": windows_path(paths[5 - n]) for n in range(1, 5)})

        # The list is read again at the next start, here on recent5 named on
        # the command line: File menu entry 2 is recent4.
        program = self.start_zorvakomat(paths[4])
        program.wait_caption(*titles(paths[4]))
        program.show_main_window()
        program.file_menu("2")
        program.wait_caption(*titles(paths[3]))
        # Now recent4, recent5, recent3, recent2: entry 3's file is gone.
        os.remove(paths[2])
        program.file_menu("3")
        program.answer("Return")
        self.assertEqual(program.messages(), [windows_path(paths[2]) + " was not found."])
        program.wait_caption(*titles(paths[3]))

        # Save writes the document over what something else put in its file.
        original = read(paths[3])
        program.ok_in_edit_submenus()
        self.document(macros("Other"), "recent4.zvk")
        program.tray("s")
        program.wait_caption(*titles(paths[3]))
        self.assertEqual(read(paths[3]), original)
        # Save As: the document follows its new name.
        copy = os.path.join(self.scratch, "copy.zvk")
        program.file_menu("a")
        program.choose_file("Save As", copy)
        program.wait_caption(*titles(copy))
        self.assertEqual(read(copy), original)
        self.assertEqual(sorted(os.listdir(self.scratch)),
                         ["copy.zvk", "recent1.zvk", "recent2.zvk", "recent4.zvk", "recent5.zvk"])

        # Not modified: Exit asks nothing.
        program.file_menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(len(program.messages()), 1)
        self.assertEqual(self.recent_files(), {
            "file1": windows_path(copy), "file2": windows_path(paths[3]),
            "file3": windows_path(paths[4]), "file4": windows_path(paths[1])})

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
        program = self.start_zorvakomat(path)

        # A save over a file in a folder where no new file can be made says
        # so, naming the folder, and keeps the file as it was.
        program.ok_in_edit_submenus()
        program.tray("s")
        program.answer("Return")
        self.assertEqual(read(path), original)
        self.assertEqual(os.listdir(folder), ["large.zvk"])

        # The tray's Open asks first; a file that ends too early then leaves
        # not a byte of itself in the document, as Save As shows.
        program.tray("o")
        program.choose_file("Open", cut)
        program.answer("n")
        program.answer("Return")
        program.tray("a")
        program.choose_file("Save As", copy)
        program.wait_caption(*titles(copy))
        self.assertEqual(read(copy), original)

        # Cancel keeps a modified document; No opens the smaller file, whose
        # new submenu then starts empty instead of bringing back the larger
        # one's items.
        program.ok_in_edit_submenus()
        for answer in ("Escape", "n"):
            program.tray("o")
            program.choose_file("Open", smaller)
            program.answer(answer)
        program.wait_caption("small.zvk")
        program.tray("e")
        dialog = EditSubMenusDialog(program)
        dialog.click("new_sub")
        dialog.close_with("ok")
        saved = self.saving(smaller)
        program.tray("s")
        saved()
        self.assertEqual(read(smaller), document_bytes(macros("Small") + [SubMenu("NewSub")]))
        self.assertEqual(read(path), original)
        self.assertIn(program.messages(), [[
            f"{windows_path(path)} could not be saved because no temporary file can be created in the "
            f"folder {windows_path(folder)}.",
            f"Save changes to {titles(path)[i]}?",
            "An attempt was made to access an unnamed file past its end.",
            f"Save changes to {titles(copy)[i]}?", f"Save changes to {titles(copy)[i]}?"] for i in (0, 1)])

    def test_a_log_off_asks_to_save_a_modified_document(self):
        path = self.document(macros("Kept"), "kept.zvk")
        program = self.start_zorvakomat(path)
        program.tray("e")
        dialog = EditSubMenusDialog(program)
        dialog.click("new_sub")
        dialog.close_with("ok")

        # Cancel refuses the end of the session; Yes saves and allows it, and
        # the program ends, its icon and settings put away.
        for answer, status in (("Escape", 1), ("y", 0)):
            log_off = program.end_session()
            program.answer(answer)
            self.assertEqual(wait_until(log_off.poll, lambda code: code is not None, what="the log-off's answer"),
                             status)
            if status:
                self.assertTrue(program.running())
        self.assertEqual(program.wait_ended(), 0)
        wait_until(lambda: not program.icon_present(), what="the tray icon to go")
        self.assertIn(program.messages(), [[f"Save changes to {title}?"] * 2 for title in titles(path)])
        self.assertEqual(read(path), document_bytes(macros("Kept") + [SubMenu("NewSub")]))
        self.assertEqual(self.recent_files()["file1"], windows_path(path))

    def test_a_start_on_a_missing_file_fails_and_leaves_no_icon(self):
        self.registry.change([f"[-{TYPE_KEY}]", f"[-{EXTENSION_KEY}]"])  # as earlier starts left them
        missing = os.path.join(self.scratch, "missing.zvk")
        program = self.zorvakomat()
        before = program.icons()
        program.launch(missing)
        program.answer("Return")
        self.assertEqual(program.messages(), [windows_path(missing) + " was not found."])
        self.assertNotEqual(program.wait_ended(), 0)
        self.assertEqual(program.icons(), before)
        # The file type is registered for the user before the command line
        # is looked at.
        classes = self.registry.read(CLASSES_KEY)
        self.assertEqual(classes[EXTENSION_KEY.lower()], {"": "Zorvakomat.Document"})
        command = classes[(TYPE_KEY + r"\shell\open\command").lower()][""]
        self.assertTrue(command.endswith(' "%1"'), command)
        exe = self.session.wine.run("winepath", "-u", command[:-5].strip('"')).stdout
        self.assertTrue(os.path.samefile(exe.decode().strip(), program.exe), command)
