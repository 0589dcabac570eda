"""Finds the Wine desktop's taskbar and the icons in its tray by looking.

The taskbar is explorer's full-width strip at the bottom of the desktop; the
tray icons sit at its right end, the newest one rightmost. An icon is a run
of columns, about 16 pixels wide, that differ from the taskbar's own colour;
the task buttons on the left are much wider runs and are not taken for
icons."""
from collections import Counter

_TRAY_SHARE = 0.35   # only the right part of the taskbar holds tray icons
_ICON_WIDTHS = range(8, 27)
# How far an icon may seem to move between two looks (a tooltip or a
# highlight changes its pixels slightly).
_ICON_TOLERANCE = 6


def find_taskbar(x11, desktop_width, desktop_height):
    """The taskbar's rectangle: the desktop's widest short window at the bottom."""
    for window in x11.search():
        rect = x11.geometry(window)
        if (rect and rect.width == desktop_width and 10 <= rect.height <= 60
                and rect.y + rect.height == desktop_height):
            return rect
    return None


def tray_icons(x11, taskbar):
    """Centres (x, y) of the icons in the tray, left to right, in screen
    coordinates."""
    left = taskbar.x + int(taskbar.width * (1 - _TRAY_SHARE))
    strip = x11.grab(left, taskbar.y, taskbar.x + taskbar.width - left, taskbar.height)
    background = Counter(strip.at(x, y) for x in range(strip.width)
                         for y in range(strip.height)).most_common(1)[0][0]
    columns = [[y for y in range(strip.height) if strip.at(x, y) != background]
               for x in range(strip.width)] + [[]]
    icons, start = [], None
    for x, rows in enumerate(columns):
        if rows and start is None:
            start = x
        elif not rows and start is not None:
            if x - start in _ICON_WIDTHS:
                used = [y for column in columns[start:x] for y in column]
                icons.append((strip.left + (start + x) // 2,
                              strip.top + (min(used) + max(used) + 1) // 2))
            start = None
    return icons


def near_any(icon, icons):
    """Whether icon stands where one of icons stands."""
    return any(abs(icon[0] - x) <= _ICON_TOLERANCE and abs(icon[1] - y) <= _ICON_TOLERANCE
               for x, y in icons)
