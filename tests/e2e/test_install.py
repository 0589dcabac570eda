"""Zorvakomat as a user downloads it: the portable zip and the setup program
that the build made (their paths in the environment, set by CTest), each
class a CTest case of its own."""
import glob
import os
import re
import shutil
import subprocess
import zipfile
from urllib.parse import unquote, urlparse
from xml.etree import ElementTree

from harness.e2e_case import E2ETestCase, read
from harness.polling import wait_exit, wait_until
from harness.wine import windows_path
from harness.zorvakomat import APP, entry, titles

VERSION, PACKAGE, SETUP, OLDER_SETUP = (os.environ.get(name, "") for name in (
    "ZVK_VERSION", "ZVK_PORTABLE_ZIP", "ZVK_SETUP", "ZVK_OLDER_SETUP"))
# What a user gets, in the installation folder and in the zip's one folder.
FILES = ["EditSubMenuHelp.html", "LICENSE.txt", "examples/starter.zvk", "index.html", "zorvakomat.exe"]
CURRENT_VERSION = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion"
UNINSTALL, RUN = CURRENT_VERSION + r"\Uninstall\Zorvakomat", CURRENT_VERSION + r"\Run"
SETTINGS = r"HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat\Settings"
CLASSES = r"HKEY_CURRENT_USER\Software\Classes"
FILE_TYPE, EXTENSION = CLASSES + r"\Zorvakomat.Document", CLASSES + r"\.zvk"
FOLDER = "AppData/Local/Programs/Zorvakomat"
SHORTCUT = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zorvakomat.lnk"
SIGN_OFF = "Best regards,\r\nSam"   # the starter macros' third TopLevel entry
# The Windows versions the program's manifest must name.
WINDOWS_10, WINDOWS_7 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"


def manifest_of(rc_text):
    """The manifest in the resources windres wrote as a .rc text, parsed."""
    block = rc_text.split("1 24 /* RT_MANIFEST */\nBEGIN\n", 1)[1].split("\nEND", 1)[0]
    text = "".join(line.strip()[1:-1].replace('""', '"') for line in block.splitlines())
    return ElementTree.fromstring(text.encode().decode("unicode_escape").encode())


def unzip(folder):
    """Unpacks the portable zip into folder; returns the zip's one folder there."""
    with zipfile.ZipFile(PACKAGE) as package:
        package.extractall(folder)
    return os.path.join(folder, os.path.basename(PACKAGE)[:-len("-portable.zip")])


def uninstall(session, folder, meanwhile=lambda: None):
    """Runs the folder's uninstaller silently, meanwhile() while it runs, until it has removed itself."""
    uninstaller = os.path.join(folder, "uninstall.exe")
    session.wine.start(uninstaller, ["/S"], log_name="uninstall.log")
    meanwhile()
    # It starts a copy of itself and ends; the copy removes it last but for the folders.
    wait_until(lambda: not os.path.exists(uninstaller), timeout=120, what="the uninstaller to remove itself")


def programs_in(prefix, exe):
    """The processes of the Wine prefix whose command line names exe."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as env, open(f"/proc/{pid}/cmdline", "rb") as cmd:
                environ, cmdline = env.read().split(b"\0"), cmd.read().lower()
        except OSError:
            continue
        if b"WINEPREFIX=" + os.fsencode(prefix) in environ and os.fsencode(exe).lower() in cmdline:
            found.append(int(pid))
    return found


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
                  for root, _, names in os.walk(folder) for name in names)


class Install(E2ETestCase):
    def in_profile(self, path):
        """The paths that path in a user's profile folder has in the prefix."""
        return glob.glob(os.path.join(self.session.wine.prefix, "drive_c", "users", "*", glob.escape(path)))

    def test_the_zip_then_update_use_and_uninstall(self):
        for path in (PACKAGE, SETUP, OLDER_SETUP):
            self.assertTrue(os.path.isfile(path), f"{path!r} has not been built (makensis?)")
        # The zip's one folder holds the program, which carries its version.
        unzipped = unzip(self.scratch)
        self.assertEqual(files_under(self.scratch), sorted(f"{os.path.basename(unzipped)}/{file}"
                                                           for file in FILES + ["Zorvakomat.ini"]))
        for exe in (os.environ["ZVK_TOOL"], os.path.join(unzipped, "zorvakomat.exe")):
            # Its resources, as windres writes them.
            text = subprocess.run([os.environ["ZVK_WINDRES"], "-i", exe, "-O", "rc"], check=True,
                                  capture_output=True).stdout.decode(errors="replace")
            self.assertIn(f"FILEVERSION {', '.join(VERSION.split('.'))}, 0\n", text, exe)
            for field, value in (("ProductVersion", VERSION), ("FileVersion", VERSION),
                                 ("ProductName", APP), ("CompanyName", APP)):
                self.assertIn(f'VALUE "{field}", "{value}"', text, exe)
            self.assertRegex(text, r'VALUE "LegalCopyright", "Copyright \(c\) \d{4} the Zorvakomat developers"')
        self.assertIn(f'"Zorvakomat  Version {VERSION}"', text)   # the program's About box
        # The program's manifest: the Common Controls 6, no administrator
        # rights, Windows 7 to 11, sharp at every display scale; its dialogs
        # in the system's dialog font.
        manifest = manifest_of(text)
        found = {element.tag.split("}")[1]: element for element in manifest.iter()}
        self.assertEqual((found["assemblyIdentity"].attrib["name"], found["assemblyIdentity"].attrib["version"],
                          found["requestedExecutionLevel"].attrib["level"], found["dpiAware"].text,
                          found["dpiAwareness"].text),
                         ("Microsoft.Windows.Common-Controls", "6.0.0.0", "asInvoker", "true", "PerMonitorV2, System"))
        self.assertLessEqual({WINDOWS_7, WINDOWS_10}, {system.attrib["Id"] for system in manifest.iter(
            "{urn:schemas-microsoft-com:compatibility.v1}supportedOS")})
        # Three dialogs, each in that font; its icon at 16, 20, 24, 32, 40, 48, 64 and 256 px.
        self.assertEqual([len(re.findall(pattern, text, re.M)) for pattern in (
            r'\nFONT 8, "MS Shell Dlg 2", 400, 0, 1\n', r" DIALOG(EX)? ", r"^\d+ 3 /\* RT_ICON \*/$")], [3, 3, 8])

        # Nothing of an earlier run; settings of the user's own; Wine's browser
        # (in which .html files open) a script that writes down what it opens.
        for path in self.in_profile(FOLDER) + self.in_profile(SHORTCUT):
            shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
        browser_log = os.path.join(self.scratch, "browser.log")
        browser = self.document(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{browser_log}'\n".encode(), "browser")
        os.chmod(browser, 0o755)
        self.registry.change([
            f"[-{UNINSTALL}]", f"[{RUN}]", '"Zorvakomat"=-', r"[-HKEY_CURRENT_USER\Software\Zorvak]",
            f"[-{FILE_TYPE}]", f"[-{EXTENSION}]",
            f"[{SETTINGS}]", '"PreviewPages"=dword:00000007',
            r"[HKEY_LOCAL_MACHINE\Software\Classes\.html]", '@="htmlfile"',
            r"[HKEY_CURRENT_USER\Software\Wine\WineBrowser]", f'"Browsers"="{browser}"'])

        # The sign-in entry chosen for the older version stays chosen.
        for setup, args in ((OLDER_SETUP, ["/S", "/StartAtSignIn"]), (SETUP, ["/S"])):
            process = self.session.wine.start(setup, args, log_name="setup.log")
            self.assertEqual(wait_exit(process, f"{os.path.basename(setup)} to end", timeout=120), 0, setup)

        # For the user, in their own programs folder, without asking for
        # rights; the same files as in the zip.
        [folder] = self.in_profile(FOLDER)
        self.assertEqual(files_under(folder), sorted(FILES + ["uninstall.exe"]))
        for file in FILES:
            self.assertEqual(read(os.path.join(folder, file)), read(os.path.join(unzipped, file)), file)

        # The installed program, started from its folder while the current
        # folder is another, types a pick and finds its help page.
        target = self.start_target()
        program = self.zorvakomat(os.path.join(folder, "zorvakomat.exe"))
        program.start(os.path.join(folder, "examples", "starter.zvk"), cwd=self.scratch)
        program.menu(*entry(2), into=target, expect=SIGN_OFF)
        program.menu("h")
        opened = wait_until(lambda: os.path.exists(browser_log) and read(browser_log),
                            what="the help page to open in the browser").decode().split()
        self.assertEqual(os.path.realpath(unquote(urlparse(opened[-1]).path)),
                         os.path.realpath(os.path.join(folder, "index.html")))

        registry = self.registry.read(r"HKEY_CURRENT_USER\Software")
        listed = registry[UNINSTALL.lower()]
        folder_name = listed["installlocation"]
        self.assertRegex(folder_name, r"(?i)^C:\\users\\[^\\]+\\AppData\\Local\\Programs\\Zorvakomat$")
        exe_name = folder_name + "\\zorvakomat.exe"
        expected = {"displayname": APP, "displayversion": VERSION, "publisher": APP, "displayicon": exe_name + ",0",
                    "uninstallstring": f'"{folder_name}\\uninstall.exe"'}
        self.assertEqual({key: listed.get(key) for key in expected}, expected)
        self.assertGreater(listed["estimatedsize"], 100)  # KB
        self.assertEqual(registry[RUN.lower()].get("zorvakomat"), f'"{exe_name}"')
        # The update kept the settings; the program registered its file type.
        self.assertEqual(registry[SETTINGS.lower()].get("previewpages"), 7)
        self.assertEqual(registry[EXTENSION.lower()], {"": "Zorvakomat.Document"})
        [shortcut] = self.in_profile(SHORTCUT)
        self.assertIn(exe_name.lower().encode("utf-16-le"), read(shortcut).lower())

        # What the user saved in the folder stays: a file of their own and
        # the starter macros they changed.
        shutil.copy(self.document(b"\x01" + bytes(15), "mine.zvk"), folder)
        starter = os.path.join(folder, "examples", "starter.zvk")
        changed_starter = read(starter) + b"\0"
        self.document(changed_starter, starter)

        # The uninstaller asks the running program to close, as the tray's
        # Exit does: a changed document gets its save question first.
        program.ok_in_edit_submenus()
        uninstall(self.session, folder, lambda: program.answer("n", timeout=120))
        self.assertEqual(program.wait_ended(), 0)
        self.assertIn(program.messages(), [[f"Save changes to {title}?"] for title in titles(starter)])
        self.assertEqual(files_under(folder), ["examples/starter.zvk", "mine.zvk"])
        self.assertEqual(read(starter), changed_starter)
        self.assertEqual(self.in_profile(SHORTCUT), [])
        registry = self.registry.read(r"HKEY_CURRENT_USER\Software")
        self.assertEqual([key for key in (UNINSTALL, FILE_TYPE, EXTENSION) if key.lower() in registry], [])
        self.assertNotIn("zorvakomat", registry[RUN.lower()])
        # Run silently, it keeps the settings.
        self.assertEqual(registry[SETTINGS.lower()].get("previewpages"), 7)


class SetupRights(E2ETestCase):
    """Setup with administrator rights (as every Wine user has) never starts
    the program: its last page does not offer to open the starter macros,
    and finishing it leaves no Zorvakomat running with Setup's rights."""

    def test_an_elevated_setup_does_not_start_the_program(self):
        self.assertTrue(os.path.isfile(SETUP), f"{SETUP!r} has not been built (makensis?)")
        folder = os.path.join(self.scratch, "Zorvakomat")
        # What Setup installed is removed again, so that no later test finds it.
        uninstaller = os.path.join(folder, "uninstall.exe")
        self.addCleanup(lambda: os.path.exists(uninstaller) and uninstall(self.session, folder))
        process = self.session.wine.start(SETUP, ["/D=" + windows_path(folder)], log_name="setup.log")
        self.addCleanup(self.session.wine.end, process)
        window = wait_until(lambda: self.x11.search(pid=process.pid), what="Setup's window")[0]

        # Each page's default button, until Setup ends; the caption names the
        # page, and the files page moves on by itself.
        captions = []
        while process.poll() is None:
            caption = wait_until(lambda: self.x11.window_name(window) if process.poll() is None else "",
                                 lambda name: name is not None and not name.endswith(": Installing"),
                                 timeout=120, what="a page of Setup that waits for the user")
            if process.poll() is not None:
                break
            captions.append(caption)
            self.assertLess(len(captions), 12, captions)
            self.x11.focus(window)
            self.x11.key("Return")
            left = lambda: process.poll() is not None or self.x11.window_name(window) != caption  # noqa: E731
            try:
                wait_until(left, timeout=10, what=f"Setup to leave the page {caption!r}")
            except AssertionError:
                # The last page keeps the focus on its check box, where
                # Return presses nothing: its button, Finish, is Alt+F.
                self.x11.key("alt+f")
                wait_until(left, timeout=60, what=f"Setup to leave the page {caption!r}")
        self.assertEqual(process.wait(timeout=60), 0, captions)

        self.assertTrue(os.path.isfile(os.path.join(folder, "zorvakomat.exe")), captions)
        # A program Setup started would be there by now: Wine's CreateProcess
        # returns once the new process runs.
        self.assertEqual(programs_in(self.session.wine.prefix, "zorvakomat.exe"), [])


class Portable(E2ETestCase):
    """The portable zip, unpacked and run in a Wine prefix made for this test
    alone (run_e2e.py --fresh-prefix): the program keeps its settings in the
    Zorvakomat.ini beside it and leaves nothing in the registry."""

    def test_the_unpacked_zip_keeps_its_settings_beside_it_and_nothing_in_the_registry(self):
        folder = unzip(self.scratch)
        ini, starter = os.path.join(folder, "Zorvakomat.ini"), os.path.join(folder, "examples", "starter.zvk")

        # Started on a document, which goes into the recent files, and
        # ended from the tray.
        program = self.zorvakomat(os.path.join(folder, "zorvakomat.exe")).start(starter)
        program.menu("x")
        self.assertEqual(program.wait_ended(), 0)
        self.assertEqual(program.status_texts(), [text for text in program.status_texts() if "ini" not in text])
        self.assertIn(f"File1={windows_path(starter)}".encode().lower(), read(ini).lower())
        self.assertIn(b"; Zorvakomat's settings", read(ini))
        registry = self.registry.read(r"HKEY_CURRENT_USER\Software")
        self.assertEqual([key for key in (r"HKEY_CURRENT_USER\Software\Zorvak", EXTENSION, FILE_TYPE)
                          if key.lower() in registry], [])
