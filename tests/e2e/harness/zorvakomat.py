"""Zorvakomat as a person meets it: an icon in the tray, a pick menu on a
right click, the main window on a double click."""
import os

from .polling import wait_until
from .tray import tray_icons
from .wine import windows_path

CAPTION_SUFFIX = " - Zorvakomat"
DATA_ENTRY_CAPTION = "Zorvakomat Data Entry Box"

# The pick menu starts with these entries and a separator; the document's
# entries follow.
FIXED_ENTRIES = ("&Edit SubMenus", "&Win Money!", "&Help Index", "&Open", "&Save", "Save &As",
                 "E&xit")

# How far an icon may seem to move between two looks (its centre is taken
# from the pixels that differ from the taskbar, which a tooltip or a
# highlight can change slightly).
_ICON_TOLERANCE = 6


def keys_to_entry(index):
    """Menu keys that highlight the document's entry number index (0 is the
    first entry after the separator): Down walks the entries, skipping the
    separator."""
    return ["Down"] * (len(FIXED_ENTRIES) + 1 + index)


def keys_to_cascade_item(index, item):
    """Menu keys that open the cascade at entry number index and highlight
    its item number item (Right opens it on its first item)."""
    return keys_to_entry(index) + ["Right"] + ["Down"] * item


class Zorvakomat:
    def __init__(self, session):
        self.session = session
        self.wine = session.wine
        self.x11 = session.x11
        self.exe = session.app_exe
        self.process = None
        self.icon = None

    # ---- start and end ----

    def start(self, document=None, timeout=40):
        """Starts the program, optionally with a document named on its
        command line, and waits for its tray icon."""
        before = self.icons()
        args = [windows_path(document)] if document else []
        self.process = self.wine.start(self.exe, args, cwd=os.path.dirname(self.exe),
                                       log_name="zorvakomat.log")

        def new_icons():
            self._check_running()
            return [icon for icon in self.icons() if not _near_any(icon, before)]
        self.icon = wait_until(new_icons, timeout=timeout, what="Zorvakomat's tray icon")[-1]
        # Windows are told apart by their process; make sure that is this one.
        wait_until(self.main_window, timeout=10, what="a main window of the started process")
        return self

    def _check_running(self):
        if self.process.poll() is not None:
            raise AssertionError(f"zorvakomat.exe ended unexpectedly with code "
                                 f"{self.process.returncode}")

    def stop(self, timeout=10):
        """Ends the program if it still runs and waits for its icon to go, so
        that the next start finds a clean tray."""
        if self.process:
            self.wine.end(self.process)
            self.process = None
        if self.icon:
            # Wine's tray notices an icon whose program was killed when the
            # pointer passes over it.
            self.x11.move(*self.icon)
            try:
                wait_until(lambda: not self.icon_present(), timeout=timeout,
                           what="the icon of an ended Zorvakomat to go")
            except AssertionError as error:
                print(f"warning: {error}")

    def running(self):
        return self.process is not None and self.process.poll() is None

    # ---- the tray ----

    def icons(self):
        return tray_icons(self.x11, self.session.taskbar)

    def icon_present(self):
        return _near_any(self.icon, self.icons())

    def windows(self, visible=True):
        return self.x11.search(pid=self.process.pid, visible=visible)

    def open_pick_menu(self, timeout=10):
        """Right click on the icon; returns the menu's window once it shows,
        with the keyboard focus on it so that menu keys reach it."""
        self._check_running()
        before = set(self.windows())
        self.x11.click(*self.icon, button=3)
        menu = wait_until(lambda: [w for w in self.windows() if w not in before],
                          timeout=timeout, what="the pick menu to open")[0]
        self.x11.focus(menu)
        return menu

    def close_menu(self, menu, keys, timeout=10):
        """Presses keys in an open menu and waits until the menu is gone."""
        self.x11.key(*keys)
        wait_until(lambda: menu not in self.windows(), timeout=timeout,
                   what="the pick menu to close")

    def dismiss_menu(self, menu, keys, timeout=3):
        """Presses keys in an open menu that may or may not close it (Return on
        a grayed entry); Escape closes what stays open."""
        self.x11.key(*keys)
        try:
            wait_until(lambda: menu not in self.windows(), timeout=timeout,
                       what="the pick menu to close")
        except AssertionError:
            self.close_menu(menu, ["Escape"])

    def pick(self, keys):
        """Opens the pick menu and chooses the entry that keys lead to."""
        menu = self.open_pick_menu()
        self.close_menu(menu, list(keys) + ["Return"])

    def double_click_icon(self):
        self.x11.click(*self.icon, button=1, repeat=2)

    # ---- windows ----

    def main_window(self):
        """The main frame's X window (shown or hidden), found by its caption."""
        for window in self.windows(visible=False):
            name = self.x11.window_name(window)
            if name and name.endswith(CAPTION_SUFFIX):
                return window
        return None

    def visible_window_named(self, name):
        for window in self.windows():
            if self.x11.window_name(window) == name:
                return window
        return None


def _near_any(icon, icons):
    return any(abs(icon[0] - x) <= _ICON_TOLERANCE and abs(icon[1] - y) <= _ICON_TOLERANCE
               for x, y in icons)
