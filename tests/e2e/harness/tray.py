"""Finds tray icons in the Wine desktop's taskbar by looking at its pixels.

The taskbar is explorer's full-width strip at the bottom of the desktop; the
tray icons sit at its right end, the newest one rightmost. An icon is a run
of columns, about 16 pixels wide, that differ from the taskbar's own colour;
the task buttons on the left are much wider runs and are not taken for
icons."""
from collections import Counter

# Only the right part of the taskbar holds tray icons.
_TRAY_SHARE = 0.35
_ICON_MIN_WIDTH = 8
_ICON_MAX_WIDTH = 26


def find_taskbar(x11, desktop_width, desktop_height):
    """The taskbar's rectangle: the desktop's widest short window at the bottom."""
    for window in x11.search(name="", visible=True):
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

    def differing_rows(x):
        return [y for y in range(strip.height) if strip.at(x, y) != background]

    icons = []
    run_start = None
    rows = []
    for x in range(strip.width + 1):
        column = differing_rows(x) if x < strip.width else []
        if column:
            if run_start is None:
                run_start, rows = x, []
            rows.extend(column)
            continue
        if run_start is not None:
            width = x - run_start
            if _ICON_MIN_WIDTH <= width <= _ICON_MAX_WIDTH:
                icons.append((strip.left + run_start + width // 2,
                              strip.top + (min(rows) + max(rows) + 1) // 2))
            run_start = None
    return icons
