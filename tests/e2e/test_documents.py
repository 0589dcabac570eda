"""Documents as a person handles them: opened from the command line, the
File menu's Open dialog, the recent-file entries and the tray's Open; saved
with Save and Save As; and what is said and kept when a file cannot be
written, or the program cannot start on it."""
import os
import re
import stat

from harness.e2e_case import E2ETestCase, read
from harness.registry import Registry
from harness.wine import windows_path
from harness.zorvakomat import titles
from harness.zvk_file import Item, SubMenu, document_bytes

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

    def test_a_modified_document_saved_in_vain_opened_over_and_left(self):
        folder = os.path.join(self.scratch, "locked")
        os.makedirs(folder)
        path = self.document(macros("Old"), os.path.join("locked", "old.zvk"))
        original = read(path)
        os.chmod(path, stat.S_IRUSR)
        os.chmod(folder, stat.S_IRUSR | stat.S_IXUSR)
        self.addCleanup(os.chmod, path, stat.S_IRUSR | stat.S_IWUSR)
        self.addCleanup(os.chmod, folder, stat.S_IRWXU)
        second = self.document(macros("Second"), "second.zvk")
        program = self.start_zorvakomat(path)
        program.ok_in_edit_submenus()

        # A save into a read-only folder fails, says why and keeps the old file.
        program.tray("s")
        program.answer("Return")
        self.assertEqual(program.messages(), [f"Access to {windows_path(path)} was denied."])
        self.assertEqual(read(path), original)
        self.assertEqual(os.listdir(folder), ["old.zvk"])

        # The tray's Open loads over the modified document without a word.
        program.tray("o")
        program.choose_file("Open", second)
        program.wait_caption(*titles(second))

        # Still modified: File > Exit asks; Cancel keeps the program, No
        # quits without saving.
        program.show_main_window()
        program.file_menu("x")
        program.answer("Escape")
        self.assertTrue(program.running())
        program.file_menu("x")
        program.answer("n")
        self.assertEqual(program.wait_ended(), 0)
        self.assertIn(program.messages()[1:], [[f"Save changes to {title}?"] * 2
                                               for title in titles(second)])
        self.assertEqual(read(second), document_bytes(macros("Second")))

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
