"""Zorvakomat as a user downloads it: the portable zip, and the setup
program that installs it for the user, updates it keeping the user's
settings, and whose uninstaller takes away what Setup and the program put in
place and nothing of the user's.

The packages come from the build (their paths in the environment, set by
CTest)."""
import glob
import os
import shutil
import subprocess
import zipfile
from urllib.parse import unquote, urlparse

from harness.e2e_case import E2ETestCase, read
from harness.polling import wait_until
from harness.registry import Registry, reg_string
from harness.zorvakomat import APP, Zorvakomat, keys_to_entry, titles

VERSION = os.environ.get("ZVK_VERSION", "")
PACKAGE = os.environ.get("ZVK_PORTABLE_ZIP", "")
SETUP = os.environ.get("ZVK_SETUP", "")
OLDER_SETUP = os.environ.get("ZVK_OLDER_SETUP", "")

# What a user gets, in the installation folder and in the zip's one folder.
FILES = ["EditSubMenuHelp.html", "LICENSE.txt", "examples/starter.zvk", "index.html",
         "zorvakomat.exe"]
CURRENT_VERSION = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion"
UNINSTALL = CURRENT_VERSION + r"\Uninstall\Zorvakomat"
RUN = CURRENT_VERSION + r"\Run"
SETTINGS = r"HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat"
CLASSES = r"HKEY_CURRENT_USER\Software\Classes"
FILE_TYPE = CLASSES + r"\Zorvakomat.Document"
SHORTCUT = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zorvakomat.lnk"
SIGN_OFF = "Best regards,\r\nSam"   # the starter macros' third TopLevel entry


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
                  for root, _, names in os.walk(folder) for name in names)


def version_resource(exe):
    """The resources of a Windows program as the resource compiler writes
    them back."""
    return subprocess.run([os.environ["ZVK_WINDRES"], "-i", exe, "-O", "rc"], check=True,
                          capture_output=True).stdout.decode(errors="replace")


class Install(E2ETestCase):
    def setUp(self):
        super().setUp()
        for path in (PACKAGE, SETUP, OLDER_SETUP):
            self.assertTrue(os.path.isfile(path), f"{path!r} has not been built (makensis?)")
        self.registry = Registry(self.session.wine, self.scratch)

    def test_zip_holds_the_program_with_its_version(self):
        name = os.path.basename(PACKAGE)[:-len("-portable.zip")]
        with zipfile.ZipFile(PACKAGE) as package:
            self.assertEqual(sorted(entry for entry in package.namelist()
                                    if not entry.endswith("/")),
                             [f"{name}/{file}" for file in FILES])
            package.extractall(self.scratch)
        program = os.path.join(self.scratch, name, "zorvakomat.exe")
        numbers = ", ".join(VERSION.split(".")) + ", 0"
        for exe in (program, os.environ["ZVK_TOOL"]):
            resources = version_resource(exe)
            self.assertIn(f"FILEVERSION {numbers}\n", resources, exe)
            for field, value in (("ProductVersion", VERSION), ("FileVersion", VERSION),
                                 ("ProductName", "Zorvakomat"), ("CompanyName", "Zorvakomat")):
                self.assertIn(f'VALUE "{field}", "{value}"', resources, exe)
            self.assertRegex(resources, r'VALUE "LegalCopyright", "Copyright \(c\) \d{4} the '
                             'Zorvakomat developers"')
        # The About box shows the same number.
        self.assertIn(f'"Zorvakomat  Version {VERSION}"', version_resource(program))

    def test_update_use_and_uninstall(self):
        browser_log = self.prepare()
        # The sign-in entry chosen for the older version stays chosen.
        self.install(OLDER_SETUP, "/S", "/StartAtSignIn")
        self.install(SETUP, "/S")

        # For the user, in their own programs folder, without asking for
        # rights; the same files as in the zip.
        folder = self.only(self.in_profile("AppData/Local/Programs/Zorvakomat"))
        self.assertEqual(files_under(folder), sorted(FILES + ["uninstall.exe"]))
        with zipfile.ZipFile(PACKAGE) as package:
            for file in FILES:
                zipped = next(entry for entry in package.namelist() if entry.endswith("/" + file))
                self.assertEqual(read(os.path.join(folder, file)), package.read(zipped), file)

        # The installed program, started from its folder while the current
        # folder is another, types a pick and finds its help page.
        target = self.start_target()
        program = Zorvakomat(self.session, os.path.join(folder, "zorvakomat.exe"))
        self.addCleanup(program.stop)
        program.start(os.path.join(folder, "examples", "starter.zvk"), cwd=self.scratch)
        self.pick_into(program, target, keys_to_entry(2))
        target.wait_for_text(SIGN_OFF)
        program.tray("h")
        opened = wait_until(lambda: read(browser_log) if os.path.exists(browser_log) else b"",
                            what="the help page to open in the browser").decode().split()
        self.assertEqual(os.path.realpath(unquote(urlparse(opened[-1]).path)),
                         os.path.realpath(os.path.join(folder, "index.html")))

        registry = self.registry.read(r"HKEY_CURRENT_USER\Software")
        entry = registry[UNINSTALL.lower()]
        folder_name = entry["installlocation"]
        self.assertRegex(folder_name,
                         r"(?i)^C:\\users\\[^\\]+\\AppData\\Local\\Programs\\Zorvakomat$")
        exe_name = folder_name + "\\zorvakomat.exe"
        self.assertEqual({key: entry[key] for key in ("displayname", "displayversion", "publisher",
                                                      "displayicon", "uninstallstring")},
                         {"displayname": "Zorvakomat", "displayversion": VERSION,
                          "publisher": "Zorvakomat", "displayicon": exe_name + ",0",
                          "uninstallstring": f'"{folder_name}\\uninstall.exe"'})
        self.assertGreater(entry["estimatedsize"], 100)  # KB
        self.assertEqual(registry[RUN.lower()].get("zorvakomat"), f'"{exe_name}"')
        # The update kept the settings; the program registered its file type.
        self.assertEqual(registry[SETTINGS.lower() + r"\settings"].get("previewpages"), 7)
        self.assertIn(FILE_TYPE.lower(), registry)
        shortcut = self.only(self.in_profile(SHORTCUT))
        self.assertIn(exe_name.lower().encode("utf-16-le"), read(shortcut).lower())

        # What the user saved in the folder stays: a file of their own and
        # the starter macros they changed.
        mine = self.document(b"\x01" + bytes(15), "mine.zvk")
        shutil.copy(mine, folder)
        changed_starter = read(os.path.join(folder, "examples", "starter.zvk")) + b"\0"
        with open(os.path.join(folder, "examples", "starter.zvk"), "wb") as file:
            file.write(changed_starter)

        # The uninstaller asks the running program to close, as the tray's
        # Exit does: a changed document gets its save question first.
        program.ok_in_edit_submenus()
        self.session.wine.start(os.path.join(folder, "uninstall.exe"), ["/S"],
                                log_name="uninstall.log")
        program.window(APP, timeout=120)
        self.x11.key("n")
        self.assertEqual(program.wait_ended(), 0)
        self.assertIn(program.messages(), [[f"Save changes to {title}?"]
                                           for title in titles("starter.zvk")])
        wait_until(lambda: not os.path.exists(os.path.join(folder, "uninstall.exe")),
                   timeout=120, what="the uninstaller to remove itself")
        self.assertEqual(files_under(folder), ["examples/starter.zvk", "mine.zvk"])
        self.assertEqual(read(os.path.join(folder, "examples", "starter.zvk")), changed_starter)
        self.assertEqual(self.in_profile(SHORTCUT), [])
        registry = self.registry.read(r"HKEY_CURRENT_USER\Software")
        self.assertEqual([key for key in (UNINSTALL, FILE_TYPE, CLASSES + r"\.zvk")
                          if key.lower() in registry], [])
        self.assertNotIn("zorvakomat", registry[RUN.lower()])
        # Run silently, it keeps the settings.
        self.assertEqual(registry[SETTINGS.lower() + r"\settings"].get("previewpages"), 7)

    # ---- helpers ----

    def prepare(self):
        """Takes away what an earlier run may have left, gives the user
        settings of their own, and makes Wine's browser (in which .html files
        open) a script that writes down what it was asked to open; returns
        the script's log."""
        for path in self.in_profile("AppData/Local/Programs/Zorvakomat"):
            shutil.rmtree(path)
        for path in self.in_profile(SHORTCUT):
            os.remove(path)
        log = os.path.join(self.scratch, "browser.log")
        script = os.path.join(self.scratch, "browser")
        with open(script, "w") as file:
            file.write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{log}'\n")
        os.chmod(script, 0o755)
        self.registry.change([
            f"[-{UNINSTALL}]", f"[{RUN}]", '"Zorvakomat"=-',
            r"[-HKEY_CURRENT_USER\Software\Zorvak]", f"[{SETTINGS}\\Settings]",
            '"PreviewPages"=dword:00000007',
            r"[HKEY_LOCAL_MACHINE\Software\Classes\.html]", '@="htmlfile"',
            r"[HKEY_CURRENT_USER\Software\Wine\WineBrowser]", f'"Browsers"={reg_string(script)}',
        ])
        return log

    def install(self, setup, *args):
        process = self.session.wine.start(setup, list(args), log_name="setup.log")
        code = wait_until(process.poll, lambda code: code is not None, timeout=120,
                          what=f"{os.path.basename(setup)} to end")
        self.assertEqual(code, 0, f"{os.path.basename(setup)} failed")

    def in_profile(self, path):
        """The paths that path in a user's profile folder has in the prefix."""
        return glob.glob(os.path.join(self.session.wine.prefix, "drive_c", "users", "*",
                                      glob.escape(path)))

    def only(self, paths):
        self.assertEqual(len(paths), 1, paths)
        return paths[0]
