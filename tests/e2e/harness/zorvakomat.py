"""Zorvakomat as a person meets it, run with Wine's trace of message boxes
and of the status bar on, so that a test reads what they said."""
import os
import re
from collections import Counter
from itertools import groupby

from .polling import wait_exit, wait_until
from .wine import windows_path

APP = "Zorvakomat"


def entry(index, item=None):
    """The menu keys to the document's entry index, or to item of its cascade."""
    keys = ["Down"] * (8 + index)   # past the seven fixed entries and a separator
    return keys + (["Right"] + ["Down"] * item if item is not None else []) + ["Return"]


def titles(path):
    """A file's names in a caption or a question: with or without its extension."""
    return (os.path.basename(path), os.path.splitext(os.path.basename(path))[0])


def tray_icons(x11, taskbar):
    """Centres of the tray's icons, left to right: runs of 8 to 26 columns of
    the taskbar's right part (the task buttons are wider) not of its colour."""
    left = taskbar.x + taskbar.width * 13 // 20
    strip = x11.grab(left, taskbar.y, taskbar.x + taskbar.width - left, taskbar.height)
    background = Counter(strip.data[i:i + 3] for i in range(0, len(strip.data), 3)).most_common(1)[0][0]
    columns = [[y for y in range(strip.height) if strip.at(x, y) != tuple(background)]
               for x in range(strip.width)]
    icons, x = [], 0
    for used, group in groupby(columns, key=bool):
        run = list(group)
        if used and 8 <= len(run) <= 26:
            rows = [y for column in run for y in column]
            icons.append((strip.left + x + len(run) // 2, strip.top + (min(rows) + max(rows) + 1) // 2))
        x += len(run)
    return icons


def near_any(icon, icons):
    return any(abs(icon[0] - x) <= 6 and abs(icon[1] - y) <= 6 for x, y in icons)


class Zorvakomat:
    def __init__(self, session, exe=None):
        self.session, self.x11 = session, session.x11
        self.exe = exe or session.app_exe
        self.log = os.path.join(session.logs, "zorvakomat.log")
        self.process = self.icon = None

    def launch(self, document=None, cwd=None):
        """Starts the program, in the folder cwd (else its own); waits for nothing."""
        self.log_start = os.path.getsize(self.log) if os.path.exists(self.log) else 0
        self.process = self.session.wine.start(
            self.exe, [windows_path(document)] if document else [], log_name="zorvakomat.log",
            cwd=cwd or os.path.dirname(self.exe), debug="-all,+msgbox,+statusbar")
        return self

    def start(self, document=None, **options):   # and waits for its icon and main window
        before = self.icons()
        self.launch(document, **options)

        def new_icons():
            if self.process.poll() is not None:
                raise AssertionError(f"zorvakomat.exe ended with code {self.process.returncode}")
            return [icon for icon in self.icons() if not near_any(icon, before)]
        self.icon = wait_until(new_icons, timeout=40, what="Zorvakomat's tray icon")[-1]
        # Windows are told apart by their process: wait for this one's.
        wait_until(self.main_window, what="a main window of the started process")
        return self

    def stop(self):
        """Ends the program; Wine's tray drops its icon when the pointer moves
        over it (off the centre, where a click may have left the pointer)."""
        if self.process:
            self.session.wine.end(self.process)
        if self.icon:
            self.x11.move(self.icon[0], self.icon[1] + 2)
            try:
                self.wait_icon_gone()
            except AssertionError as error:
                print(f"warning: {error}")

    def wait_ended(self):
        """The exit status, once the program's icon has gone too (the pointer
        kept off it, so that only the program takes it away)."""
        self.x11.move(640, 300)
        code = wait_exit(self.process, "zorvakomat.exe to end", timeout=15)
        if self.icon:
            self.wait_icon_gone()
        return code

    def wait_icon_gone(self):
        wait_until(lambda: not near_any(self.icon, self.icons()), what="the tray icon to go")

    def _traced(self, pattern):
        with open(self.log, "rb") as log:
            log.seek(self.log_start)
            text = log.read().decode("utf-8", errors="replace")
        # Wine escapes a quote or backslash in them with a backslash.
        return [re.sub(r"\\(.)", r"\1", text) for text in re.findall(pattern, text)]

    def messages(self):
        return self._traced(r'trace:msgbox:MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"')

    def status_texts(self):
        return self._traced(r'trace:statusbar:STATUSBAR_SetTextT part 0, text L?"((?:[^"\\]|\\.)*)"')

    def icons(self):
        return tray_icons(self.x11, self.session.taskbar)

    def open_pick_menu(self, hotkey=False):
        """A right click on the icon, or the hotkey; returns the menu's window,
        given the keyboard focus so that menu keys reach it."""
        before = set(self.windows())
        self.x11.key("ctrl+alt+z") if hotkey else self.x11.click(*self.icon, button=3)
        menu = wait_until(lambda: [w for w in self.windows() if w not in before], what="the pick menu to open")[0]
        self.x11.focus(menu)
        return menu

    def menu(self, *keys, hotkey=False, into=None, expect=None):
        """Opens the pick menu, presses keys (an underlined letter, or entry())
        and waits for it to close; then clicks into the target into and waits
        for its text to be expect."""
        menu = self.open_pick_menu(hotkey)
        self.x11.key(*keys)
        self.wait_closed(menu)
        if into:
            into.click()
        if expect is not None:
            into.wait_for_text(expect)

    def end_session(self, answer):
        """A log-off, the program's question answered with the key answer: 0
        when the session ended, 1 when it was refused."""
        exe = os.path.join(os.path.dirname(self.session.target_exe), "zvk_e2e_end_session.exe")
        log_off = self.session.wine.start(exe, ["ZorvakomatFrame"], log_name="end_session.log")
        self.answer(answer)
        return wait_exit(log_off, "the log-off's answer")

    def windows(self, visible=True):
        return self.x11.search(pid=self.process.pid, visible=visible)

    def main_window(self):   # shown or hidden
        return next((w for w in self.windows(visible=False)
                     if (self.x11.window_name(w) or "").endswith(" - " + APP)), None)

    def wait_caption(self, path):
        captions = [name + " - " + APP for name in titles(path)]
        return wait_until(lambda: self.x11.window_name(self.main_window()), lambda caption: caption in captions,
                          what=f"the caption to be one of {captions}")

    def window(self, caption, timeout=15):
        """Waits for the program's window titled caption and gives it the focus."""
        window = wait_until(lambda: [w for w in self.windows() if self.x11.window_name(w) == caption],
                            timeout=timeout, what=f'the "{caption}" window')[0]
        self.x11.focus(window)
        return window

    def wait_closed(self, window):
        wait_until(lambda: self.process.poll() is not None or window not in self.windows(),
                   what=f"window {window:#x} to close")

    def answer(self, key, caption=APP, typed="", timeout=15):
        """Types typed into the window titled caption and closes it with key."""
        box = self.window(caption, timeout)
        if typed:
            self.x11.type(typed)
        self.x11.key(key)
        self.wait_closed(box)

    def ok_in_edit_submenus(self):
        """Edit SubMenus, from the tray, closed with OK: the document counts as modified."""
        self.menu("e")
        self.answer("Return", "Edit SubMenus")

    def wait_frame(self, accept, what):   # until accept holds for the main window's Rect
        wait_until(lambda: self.x11.geometry(self.main_window()), lambda rect: rect and accept(rect), what=what)

    def show_main_window(self):   # by a double click on the icon, which maximizes it
        self.x11.click(*self.icon, repeat=2)
        bar = self.session.taskbar
        self.wait_frame(lambda r: r.mapped and r.x <= 0 and r.y <= 0 and r.x + r.width >= bar.width
                        and r.y + r.height >= bar.y, "the main window maximized")

    def wait_hidden(self):
        self.wait_frame(lambda rect: not rect.mapped, "the main window to be hidden")

    def choose_file(self, key, title, path):   # the tray's command key, answered in its file dialog
        self.menu(key)
        self.window(title)
        self.x11.key("Home", "shift+End")
        self.answer("Return", title, windows_path(path))
