"""Timing what the display shows: keys pressed through the XTEST extension
and the first window that becomes viewable, seen from one process that
polls the window tree (no program started in between, about a millisecond
a look)."""
import ctypes
import time

from .polling import wait_until

IS_VIEWABLE = 2


class _Attributes(ctypes.Structure):   # XWindowAttributes; the kinds: int, long and pointer
    _fields_ = [(name, {"i": ctypes.c_int, "l": ctypes.c_long, "p": ctypes.c_void_p}[kind])
                for name, kind in (field.split(":") for field in """x:i y:i width:i height:i border_width:i
                depth:i visual:p root:l class_:i bit_gravity:i win_gravity:i backing_store:i backing_planes:l
                backing_pixel:l save_under:i colormap:l map_installed:i map_state:i all_event_masks:l
                your_event_mask:l do_not_propagate_mask:l override_redirect:i screen:p""".split())]


class MapClock:
    def __init__(self, display):
        self.xlib, self.xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.xlib.XStringToKeysym.restype = ctypes.c_ulong
        self.display = ctypes.c_void_p(self.xlib.XOpenDisplay(display.encode()))
        if not self.display:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self.xlib.XDefaultRootWindow(self.display)

    def close(self):
        self.xlib.XCloseDisplay(self.display)

    def _children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.xlib.XQueryTree(self.display, ctypes.c_ulong(window), ctypes.byref(root),
                                    ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self.xlib.XFree(children)
        return found

    def viewable(self):
        """The viewable windows up to three levels below the root (the Wine
        desktop's top-level windows are its children)."""
        seen, level = set(), [self.root]
        for _ in range(3):
            level = [child for window in level for child in self._children(window)]
            for window in level:
                attributes = _Attributes()
                if (self.xlib.XGetWindowAttributes(self.display, ctypes.c_ulong(window), ctypes.byref(attributes))
                        and attributes.map_state == IS_VIEWABLE):
                    seen.add(window)
        return seen

    def press(self, *names):
        """Presses the keys in order and releases them in reverse (a chord)."""
        codes = [self.xlib.XKeysymToKeycode(self.display, ctypes.c_ulong(self.xlib.XStringToKeysym(name.encode())))
                 for name in names]
        for code, pressed in [(code, 1) for code in codes] + [(code, 0) for code in reversed(codes)]:
            self.xtst.XTestFakeKeyEvent(self.display, code, pressed, 0)
        self.xlib.XFlush(self.display)

    def time_to_new_window(self, *keys, timeout=10.0):
        """Seconds from pressing the keys to a new viewable window, and that window."""
        before = self.viewable()
        self.press(*keys)
        start = time.monotonic()
        new = wait_until(lambda: self.viewable() - before, timeout=timeout, interval=0,
                         what=f"a window after {'+'.join(keys)}")
        return time.monotonic() - start, new.pop()
