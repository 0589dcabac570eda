"""Zorvakomat as a person meets it: an icon in the tray, a pick menu on a
right click, the main window on a double click, dialogs and message boxes.

The program runs with Wine's trace of message boxes on, so that a test can
read what each box said (messages())."""
import os
import re

from .polling import wait_until
from .tray import near_any, tray_icons
from .wine import windows_path

APP = "Zorvakomat"
# The pick hotkey when the setting does not name another (xdotool's names).
PICK_HOTKEY = "ctrl+alt+z"
# The pick menu starts with seven fixed entries and a separator; the
# document's entries follow.
FIXED_ENTRIES = 7


def keys_to_entry(index):
    """Menu keys that highlight the document's entry number index (0 is the
    first entry after the separator): Down walks the entries, skipping the
    separator."""
    return ["Down"] * (FIXED_ENTRIES + 1 + index)


def keys_to_cascade_item(index, item):
    """Menu keys that open the cascade at entry number index and highlight
    its item number item (Right opens it on its first item)."""
    return keys_to_entry(index) + ["Right"] + ["Down"] * item


def titles(path):
    """The names a caption or a question may give a file: with or without
    its extension, as the system shows file names."""
    name = os.path.basename(path)
    return (name, os.path.splitext(name)[0])


def _unescape(text):
    """Undoes the escaping of Wine's debug strings (\\\\, \\", \\n, \\xNNNN)."""
    return re.sub(r"\\(x[0-9a-fA-F]{4}|.)",
                  lambda m: chr(int(m.group(1)[1:], 16)) if len(m.group(1)) == 5
                  else {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)), text)


class Zorvakomat:
    def __init__(self, session, exe=None):
        """The program built in the tree, or the zorvakomat.exe given."""
        self.session = session
        self.x11 = session.x11
        self.exe = exe or session.app_exe
        self.log = os.path.join(session.logs, "zorvakomat.log")
        self.process = None
        self.icon = None

    # ---- start and end ----

    def launch(self, document=None, cwd=None, trace_status_bar=False):
        """Starts the program, optionally with a document named on its
        command line, in the folder cwd (else its own), and waits for
        nothing. With trace_status_bar, what the status bar shows can be
        read (status_texts())."""
        self.log_start = os.path.getsize(self.log) if os.path.exists(self.log) else 0
        args = [windows_path(document)] if document else []
        debug = "-all,+msgbox" + (",+statusbar" if trace_status_bar else "")
        self.process = self.session.wine.start(self.exe, args, cwd=cwd or os.path.dirname(self.exe),
                                               log_name="zorvakomat.log", debug=debug)
        return self

    def start(self, document=None, timeout=40, cwd=None, trace_status_bar=False):
        """Starts the program and waits for its tray icon and main window."""
        before = self.icons()
        self.launch(document, cwd, trace_status_bar)

        def new_icons():
            if self.process.poll() is not None:
                raise AssertionError(f"zorvakomat.exe ended with code {self.process.returncode}")
            return [icon for icon in self.icons() if not near_any(icon, before)]
        self.icon = wait_until(new_icons, timeout=timeout, what="Zorvakomat's tray icon")[-1]
        # Windows are told apart by their process; make sure that is this one.
        wait_until(self.main_window, timeout=10, what="a main window of the started process")
        return self

    def stop(self):
        """Ends the program if it still runs and waits for its icon to go, so
        that the next start finds a clean tray."""
        if self.process:
            self.session.wine.end(self.process)
        if self.icon:
            # Wine's tray notices that the program of an icon was killed when
            # the pointer passes over the icon.
            self.x11.move(*self.icon)
            try:
                wait_until(lambda: not self.icon_present(), what="an ended program's icon to go")
            except AssertionError as error:
                print(f"warning: {error}")

    def running(self):
        return self.process.poll() is None

    def wait_ended(self, timeout=15):
        """Waits for the program to end by itself and returns its exit code.
        The pointer stays away from the icon, so that only the program can
        take it away."""
        self.x11.move(640, 300)
        return wait_until(self.process.poll, lambda code: code is not None, timeout=timeout,
                          what="zorvakomat.exe to end")

    def _traced(self, pattern):
        """The texts a pattern finds in Wine's trace since the program started."""
        try:
            with open(self.log, "rb") as log:
                log.seek(self.log_start)
                text = log.read().decode("utf-8", errors="replace")
        except FileNotFoundError:
            return []
        return [_unescape(text) for text in re.findall(pattern, text)]

    def messages(self):
        """The texts of the message boxes shown since the program started."""
        return self._traced(r'trace:msgbox:MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"')

    def status_texts(self):
        """The texts put into the status bar's message pane since the program
        started (with trace_status_bar)."""
        return self._traced(r'trace:statusbar:STATUSBAR_SetTextT part 0, text L?"((?:[^"\\]|\\.)*)"')

    # ---- the tray ----

    def icons(self):
        return tray_icons(self.x11, self.session.taskbar)

    def icon_present(self):
        return near_any(self.icon, self.icons())

    def open_pick_menu(self, hotkey=False):
        """Right click on the icon, or the pick hotkey pressed in the window
        that has the focus; returns the menu's window once it shows, with the
        keyboard focus on it so that menu keys reach it."""
        before = set(self.windows())
        if hotkey:
            self.x11.key(PICK_HOTKEY)
        else:
            self.x11.click(*self.icon, button=3)
        menu = wait_until(lambda: [w for w in self.windows() if w not in before],
                          what="the pick menu to open")[0]
        self.x11.focus(menu)
        return menu

    def in_pick_menu(self, *keys, hotkey=False):
        """Opens the pick menu, presses keys and waits for it to close."""
        menu = self.open_pick_menu(hotkey)
        self.x11.key(*keys)
        self.wait_closed(menu)

    def pick(self, keys, hotkey=False):
        """Chooses the entry of the pick menu that keys lead to."""
        self.in_pick_menu(*keys, "Return", hotkey=hotkey)

    def tray(self, mnemonic):
        """Chooses a fixed entry of the pick menu by its underlined letter."""
        self.in_pick_menu(mnemonic)

    def double_click_icon(self):
        self.x11.click(*self.icon, button=1, repeat=2)

    def end_session(self):
        """Starts the stand-in for a log-off, which asks the program's windows
        whether the session may end and then tells them the outcome; returns
        its process, whose exit status says what came of it (0 ended, 1
        refused)."""
        exe = os.path.join(os.path.dirname(self.session.target_exe), "zvk_e2e_end_session.exe")
        return self.session.wine.start(exe, ["ZorvakomatFrame"], log_name="end_session.log")

    # ---- windows ----

    def windows(self, visible=True):
        return self.x11.search(pid=self.process.pid, visible=visible)

    def main_window(self):
        """The main frame's X window (shown or hidden), found by its caption."""
        for window in self.windows(visible=False):
            if (self.x11.window_name(window) or "").endswith(" - " + APP):
                return window
        return None

    def wait_caption(self, *names):
        captions = [name + " - " + APP for name in names]
        return wait_until(lambda: self.x11.window_name(self.main_window()),
                          lambda caption: caption in captions,
                          what=f"the caption to be one of {captions}")

    def window(self, caption, timeout=15):
        """Waits for a window of the program titled caption and gives it the
        keyboard focus."""
        window = wait_until(lambda: [w for w in self.windows()
                                     if self.x11.window_name(w) == caption],
                            timeout=timeout, what=f'the "{caption}" window')[0]
        self.x11.focus(window)
        return window

    def wait_closed(self, window):
        wait_until(lambda: not self.running() or window not in self.windows(),
                   what=f"window {window:#x} to close")

    def answer(self, key, caption=APP):
        """Presses key in the message box (or dialog) now showing and waits
        for it to close."""
        box = self.window(caption)
        self.x11.key(key)
        self.wait_closed(box)

    def ok_in_edit_submenus(self):
        """Opens Edit SubMenus from the tray and presses OK at once, which
        marks the document modified."""
        self.tray("e")
        self.answer("Return", "Edit SubMenus")

    def show_main_window(self):
        frame = self.main_window()
        self.double_click_icon()
        wait_until(lambda: self.x11.geometry(frame), lambda rect: rect.mapped,
                   what="the main window to show")
        return frame

    def file_menu(self, key):
        """Chooses an entry of the main window's File menu (which must show)."""
        self.x11.focus(self.main_window())
        self.x11.key("alt+f", key)

    def choose_file(self, title, path):
        """Types path into the file dialog titled title, as a person would."""
        dialog = self.window(title)
        self.x11.key("Home", "shift+End")
        self.x11.type(windows_path(path))
        self.x11.key("Return")
        self.wait_closed(dialog)
