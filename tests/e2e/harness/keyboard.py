"""A plain US keyboard for the private display.

Xvfb starts with the pc105 map, whose 102nd key (<LSGT>) types "<" and ">"
and whose extra keypad keys type "(" and ")". Wine then finds those keys
first for "<", "(" and ")", and the Windows key codes it reports for them
are not the ones a US layout on Windows gives (Shift on the 102nd key types
">", the keypad parentheses have no key code at all). The tests want the
layout a Windows user with a US keyboard has, so the display gets a US map
without those keys before any Wine program starts."""
import os
import subprocess
import tempfile

US_KEYMAP = """
xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols {
        include "pc+us"
        override key <LSGT> { [ VoidSymbol, VoidSymbol, VoidSymbol, VoidSymbol ] };
    };
    xkb_geometry { include "pc(pc104)" };
};
"""


def load_us_keymap(x11):
    with tempfile.NamedTemporaryFile("w", suffix=".xkb", delete=False) as keymap:
        keymap.write(US_KEYMAP)
    try:
        result = subprocess.run(["xkbcomp", "-w", "0", keymap.name, x11.display],
                                env=x11.env, capture_output=True, timeout=30)
    finally:
        os.unlink(keymap.name)
    if result.returncode != 0:
        raise RuntimeError("could not load the US keyboard map: "
                           + result.stderr.decode(errors="replace").strip())
