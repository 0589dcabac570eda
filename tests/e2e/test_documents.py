"""Documents as a person handles them: opened from the command line, the File
menu's Open dialog, the recent-file entries and the tray's Open; saved with
Save and Save As; and what is said and kept when a file cannot be read or
written.

Message box texts are read from Wine's trace of the boxes it shows: these
tests start the program with that one trace channel on."""
import json
import os
import re
import stat
import struct
import subprocess

from harness.e2e_case import E2ETestCase
from harness.polling import wait_until, stays_true
from harness.wine import windows_path
from harness.zorvakomat import Zorvakomat, keys_to_entry
from harness.zvk_file import Item, SubMenu, document_bytes

APP = "Zorvakomat"
RECENT_KEY = r"HKCU\Software\Zorvak\Zorvakomat\Recent File List"
CLASSES_KEY = r"HKCU\Software\Classes"
VERSION_MESSAGE_START = ("Zorvakomat Error:  Unable to load this file with this version of "
                         "Zorvakomat.  Please check for an upgrade at ")

_BOX_TRACE = re.compile(r'trace:msgbox:MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"')
_ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"'}


def _unescape(text):
    """Undoes the escaping of Wine's debug strings (\\\\, \\", \\n, \\xNNNN)."""
    return re.sub(r"\\(x[0-9a-fA-F]{4}|.)",
                  lambda m: chr(int(m.group(1)[1:], 16)) if m.group(1)[0] == "x" and len(m.group(1)) == 5
                  else _ESCAPES.get(m.group(1), m.group(1)), text)


def _near(icon, icons, tolerance=6):
    """Whether icon stands where one of icons stood (give or take a few
    pixels of highlight)."""
    return any(abs(icon[0] - x) <= tolerance and abs(icon[1] - y) <= tolerance for x, y in icons)


def macros(*names):
    """A document with one submenu per name, each holding one item."""
    return [SubMenu(name, [Item(name + " item", "[tab]")]) for name in names]


class MessageLog:
    """The texts of the message boxes shown since it was made."""

    def __init__(self, path):
        self.path = path
        self.offset = os.path.getsize(path) if os.path.exists(path) else 0

    def texts(self):
        if not os.path.exists(self.path):
            return []
        with open(self.path, "rb") as log:
            log.seek(self.offset)
            text = log.read().decode("utf-8", errors="replace")
        return [_unescape(m.group(1)) for m in _BOX_TRACE.finditer(text)]


class Documents(E2ETestCase):
    # ---- the program, its boxes and its menus ----

    def start(self, document=None):
        """Starts the program with Wine's message box trace on, so that the
        boxes' texts can be checked."""
        env = self.session.wine.env
        saved = env.get("WINEDEBUG")
        env["WINEDEBUG"] = "-all,+msgbox"
        try:
            self.messages = MessageLog(os.path.join(self.session.logs, "zorvakomat.log"))
            return self.start_zorvakomat(document)
        finally:
            env["WINEDEBUG"] = saved

    def start_expecting_failure(self, document):
        """Starts the program without waiting for its tray icon: a start-up
        that fails may never show one for long."""
        program = Zorvakomat(self.session)
        self.addCleanup(program.stop)
        env = self.session.wine.env
        saved = env.get("WINEDEBUG")
        env["WINEDEBUG"] = "-all,+msgbox"
        try:
            self.messages = MessageLog(os.path.join(self.session.logs, "zorvakomat.log"))
            program.process = self.session.wine.start(program.exe, [windows_path(document)],
                                                      cwd=os.path.dirname(program.exe),
                                                      log_name="zorvakomat.log")
        finally:
            env["WINEDEBUG"] = saved
        return program

    def wait_messages(self, count):
        return wait_until(self.messages.texts, lambda texts: len(texts) >= count, timeout=15,
                          what=f"{count} message box(es)")

    def answer_box(self, program, key):
        """Presses key in the message box now showing and waits for it to close."""
        box = wait_until(lambda: program.visible_window_named(APP), timeout=15,
                         what="a message box")
        self.x11.focus(box)
        self.x11.key(key)
        wait_until(lambda: not program.running() or box not in program.windows(), timeout=10,
                   what="the message box to close")

    def tray_command(self, program, key):
        menu = program.open_pick_menu()
        program.close_menu(menu, [key])

    def mark_modified(self, program):
        """OK in the Edit SubMenus dialog marks the document modified."""
        self.tray_command(program, "e")
        editor = wait_until(lambda: program.visible_window_named("Edit SubMenus"), timeout=10,
                            what="the Edit SubMenus dialog")
        self.x11.focus(editor)
        self.x11.key("Return")
        wait_until(lambda: editor not in program.windows(), timeout=10,
                   what="the Edit SubMenus dialog to close")

    def show_main_window(self, program):
        frame = program.main_window()
        program.double_click_icon()
        wait_until(lambda: self.x11.geometry(frame), lambda rect: rect.mapped, timeout=10,
                   what="the main window to show")
        return frame

    def file_menu(self, program, *keys):
        frame = program.main_window()
        self.x11.focus(frame)
        self.x11.key("alt+f", *keys)

    def choose_file(self, program, title, path):
        """Types path into the file dialog titled title, as a person would."""
        dialog = wait_until(lambda: program.visible_window_named(title), timeout=15,
                            what=f'the "{title}" dialog')
        self.x11.focus(dialog)
        self.x11.key("Home", "shift+End")
        self.x11.type(windows_path(path))
        self.x11.key("Return")
        wait_until(lambda: dialog not in program.windows(), timeout=10,
                   what=f'the "{title}" dialog to close')

    def wait_caption(self, program, *titles):
        captions = [title + " - " + APP for title in titles]
        return wait_until(lambda: self.x11.window_name(program.main_window()),
                          lambda caption: caption in captions, timeout=10,
                          what=f"the caption to be one of {captions}")

    def wait_caption_of_file(self, program, path):
        """The caption names the file by its title, with or without the
        extension as the system shows file names."""
        name = os.path.basename(path)
        return self.wait_caption(program, os.path.splitext(name)[0], name)

    def exit_through_file_menu(self, program):
        self.file_menu(program, "x")
        self.wait_ended(program)

    def wait_ended(self, program):
        self.x11.move(640, 300)   # away from the icon, which must go by itself
        code = wait_until(program.process.poll, lambda c: c is not None, timeout=15,
                          what="zorvakomat.exe to end")
        self.assertEqual(code, 0)

    # ---- files and settings ----

    def write(self, name, submenus=None, data=None):
        path = os.path.join(self.scratch, name)
        with open(path, "wb") as file:
            file.write(data if data is not None else document_bytes(submenus))
        return path

    @staticmethod
    def read(path):
        with open(path, "rb") as file:
            return file.read()

    def dump(self, path):
        """The document in path as `zvk dump` shows it."""
        build = os.path.dirname(os.path.dirname(self.session.app_exe))
        zvk = os.path.join(build, "tools", "zvk", "zvk.exe")
        result = subprocess.run(["wine", zvk, "dump", windows_path(path)], env=self.session.wine.env,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))
        return json.loads(result.stdout.decode("utf-8"))

    def registry_values(self, key):
        """The string values of a registry key by name ("" for the default)."""
        result = subprocess.run(["wine", "reg", "query", key], env=self.session.wine.env,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        values = {}
        for line in result.stdout.decode(errors="replace").splitlines():
            match = re.match(r"\s+(\S+)\s+REG_SZ\s+(.*?)\s*$", line)
            if match:
                name = match.group(1)
                values["" if name == "(Default)" else name] = match.group(2)
        return values

    def recent_files_in_registry(self):
        return {name: value for name, value in self.registry_values(RECENT_KEY).items()
                if re.fullmatch(r"File\d", name)}

    def unix_path(self, path):
        result = subprocess.run(["wine", "winepath", "-u", path], env=self.session.wine.env,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        return result.stdout.decode(errors="replace").strip()

    # ---- the tests ----

    def test_save_and_save_as_write_the_document_byte_for_byte(self):
        original = document_bytes([SubMenu("TopLevel", [Item("Greet", "hello", chain=True)]),
                                   SubMenu("Keys", [Item("Tab", "[tab]")])])
        path = self.write("saved.zvk", data=original)
        program = self.start(path)
        self.wait_caption_of_file(program, path)

        # Something else writes the file meanwhile; Save puts the document back.
        self.mark_modified(program)
        self.write("saved.zvk", macros("Other"))
        self.tray_command(program, "s")
        wait_until(lambda: self.read(path), lambda data: data == original, timeout=10,
                   what="Save to write the document")
        dumped = self.dump(path)
        self.assertEqual([s["name"] for s in dumped["submenus"]], ["TopLevel", "Keys"])
        self.assertEqual(dumped["submenus"][0]["items"][0],
                         {"name": "Greet", "text": "hello", "chain": 1})

        # File > Save As under a new name: the document follows the new name.
        copy = os.path.join(self.scratch, "copy.zvk")
        self.show_main_window(program)
        self.file_menu(program, "a")
        self.choose_file(program, "Save As", copy)
        self.wait_caption_of_file(program, copy)
        self.assertEqual(self.read(copy), original)
        self.assertEqual(os.listdir(self.scratch).count("copy.zvk"), 1)
        self.assertFalse([n for n in os.listdir(self.scratch) if n.lower().endswith(".tmp")])
        self.assertEqual(self.messages.texts(), [])

    def test_recent_files_after_five_opens_and_a_deleted_entry(self):
        paths = [self.write(f"recent{n}.zvk", macros(f"Recent{n}")) for n in range(1, 6)]
        program = self.start()
        self.show_main_window(program)
        for path in paths:
            self.file_menu(program, "o")
            self.choose_file(program, "Open", path)
            self.wait_caption_of_file(program, path)
        self.exit_through_file_menu(program)
        self.assertEqual(self.recent_files_in_registry(),
                         {f"File{n}": windows_path(paths[5 - n]) for n in range(1, 5)})

        # Read again at the next start: entry 2 of the File menu is recent4.
        program = self.start()
        self.show_main_window(program)
        self.file_menu(program, "2")
        self.wait_caption_of_file(program, paths[3])
        # Now recent4, recent5, recent3, recent2: entry 3's file is gone.
        os.remove(paths[2])
        self.file_menu(program, "3")
        self.assertEqual(self.wait_messages(1), [windows_path(paths[2]) + " was not found."])
        self.answer_box(program, "Return")
        self.wait_caption_of_file(program, paths[3])
        self.exit_through_file_menu(program)
        self.assertEqual(self.recent_files_in_registry(),
                         {"File1": windows_path(paths[3]), "File2": windows_path(paths[4]),
                          "File3": windows_path(paths[1])})

    def test_unreadable_files_leave_an_empty_untitled_document(self):
        good = self.write("good.zvk", macros("Good"))
        full = document_bytes(macros("First", "Second"))
        cases = [
            (self.write("newer.zvk", data=struct.pack("<i", 2) + full[4:]),
             lambda path: [VERSION_MESSAGE_START, "An unknown error occurred while accessing "
                           + windows_path(path) + "."]),
            (self.write("short.zvk", data=full[:30]), lambda path: ["Unexpected file format."]),
        ]
        program = self.start(good)
        self.show_main_window(program)
        for path, expected in cases:
            with self.subTest(os.path.basename(path)):
                self.file_menu(program, "o")
                self.choose_file(program, "Open", good)
                self.wait_caption_of_file(program, good)
                self.messages = MessageLog(self.messages.path)
                self.file_menu(program, "o")
                self.choose_file(program, "Open", path)
                texts = expected(path)
                for _ in texts:
                    self.answer_box(program, "Return")
                shown = self.wait_messages(len(texts))
                self.assertEqual(len(shown), len(texts), shown)
                for got, want in zip(shown, texts):
                    self.assertTrue(got.startswith(want), f"{got!r} does not start with {want!r}")
                self.wait_caption(program, "Untitled")

    def test_tray_open_asks_nothing_and_exit_asks_before_losing_changes(self):
        first = self.write("first.zvk", macros("First"))
        second = self.write("second.zvk", macros("Second"))
        before = self.read(second)
        program = self.start(first)
        self.mark_modified(program)

        # A typed name that does not exist: said with its path, nothing changes.
        missing = os.path.join(self.scratch, "missing.zvk")
        self.tray_command(program, "o")
        self.choose_file(program, "Open", missing)
        self.assertEqual(self.wait_messages(1), [windows_path(missing) + " was not found."])
        self.answer_box(program, "Return")
        self.wait_caption_of_file(program, first)
        self.messages = MessageLog(self.messages.path)

        # The tray's Open loads over the modified document without a word.
        self.tray_command(program, "o")
        self.choose_file(program, "Open", second)
        self.wait_caption(program, "second.zvk")
        self.assertTrue(stays_true(self.messages.texts, lambda texts: texts == [], 1.0))

        # Still modified: File > Exit asks; Cancel keeps the program, No quits
        # without saving.
        self.show_main_window(program)
        for answer in ("Escape", "n"):
            self.file_menu(program, "x")
            self.answer_box(program, answer)
            if answer == "Escape":
                self.assertTrue(program.running())
        self.wait_ended(program)
        self.assertEqual(len(self.messages.texts()), 2)
        self.assertIn(self.messages.texts()[0],
                      ("Save changes to second?", "Save changes to second.zvk?"))
        self.assertEqual(self.read(second), before)

    def test_a_refused_save_keeps_the_old_file(self):
        folder = os.path.join(self.scratch, "locked")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "old.zvk")
        original = document_bytes(macros("Old"))
        with open(path, "wb") as file:
            file.write(original)
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        os.chmod(folder, stat.S_IRUSR | stat.S_IXUSR | stat.S_IRGRP | stat.S_IXGRP)
        self.addCleanup(os.chmod, path, stat.S_IRUSR | stat.S_IWUSR)
        self.addCleanup(os.chmod, folder, stat.S_IRWXU)

        program = self.start(path)
        self.mark_modified(program)
        self.tray_command(program, "s")
        self.assertEqual(self.wait_messages(1), ["Access to " + windows_path(path) + " was denied."])
        self.answer_box(program, "Return")
        self.assertEqual(self.read(path), original)
        self.assertEqual(os.listdir(folder), ["old.zvk"])
        self.assertTrue(program.running())

    def test_new_asks_first_and_an_empty_file_keeps_the_content(self):
        kept = self.write("kept.zvk", [SubMenu("TopLevel", [Item("Say", '["kept"]')])])
        empty = self.write("empty.zvk", data=b"")
        target = self.start_target()
        program = self.start(kept)
        self.mark_modified(program)
        frame = self.show_main_window(program)

        # New on a modified document: Cancel keeps it as it was.
        self.file_menu(program, "n")
        self.answer_box(program, "Escape")
        self.wait_caption_of_file(program, kept)

        # Open asks too; No opens the empty file, which loads nothing: the
        # content stays, under the empty file's name, no longer modified.
        self.file_menu(program, "o")
        self.choose_file(program, "Open", empty)
        self.answer_box(program, "n")
        self.wait_caption_of_file(program, empty)
        self.x11.focus(frame)
        self.x11.key("alt+v", "h")
        wait_until(lambda: self.x11.geometry(frame), lambda r: not r.mapped, timeout=10,
                   what="the main window to be hidden")
        self.pick_into(program, target, keys_to_entry(0))
        target.wait_for_text("kept")

        # Not modified: the tray's Exit asks nothing.
        self.tray_command(program, "x")
        self.wait_ended(program)
        texts = self.messages.texts()
        self.assertEqual(len(texts), 2, texts)
        for text in texts:
            self.assertIn(text, ("Save changes to kept?", "Save changes to kept.zvk?"))
        self.assertEqual(self.read(empty), b"")

    def test_start_up_registers_the_file_type_and_fails_on_a_missing_file(self):
        type_key = CLASSES_KEY + r"\Zorvakomat.Document"
        extension_key = CLASSES_KEY + r"\.zvk"
        for key in (type_key, extension_key):   # left by earlier starts
            subprocess.run(["wine", "reg", "delete", key, "/f"], env=self.session.wine.env,
                           stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        self.assertEqual(self.registry_values(type_key), {})

        missing = os.path.join(self.scratch, "missing.zvk")
        before = Zorvakomat(self.session).icons()
        program = self.start_expecting_failure(missing)
        self.assertEqual(self.wait_messages(1), [windows_path(missing) + " was not found."])
        self.answer_box(program, "Return")
        self.x11.move(640, 300)
        code = wait_until(program.process.poll, lambda c: c is not None, timeout=15,
                          what="zorvakomat.exe to end")
        self.assertNotEqual(code, 0)
        wait_until(program.icons, lambda now: all(_near(icon, before) for icon in now),
                   timeout=10, what="no tray icon to be left behind")

        # Registered for this user, before the command line was processed.
        self.assertEqual(self.registry_values(type_key), {"": "Zorvakomat Document"})
        self.assertEqual(self.registry_values(extension_key), {"": "Zorvakomat.Document"})
        command = self.registry_values(type_key + r"\shell\open\command")[""]
        self.assertTrue(command.endswith(' "%1"'), command)
        exe = command[:-len(' "%1"')].strip('"')
        self.assertTrue(os.path.samefile(self.unix_path(exe), program.exe), command)
