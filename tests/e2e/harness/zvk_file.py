"""Writes macro documents (.zvk files) for the tests to open.

The stream: int32 little-endian version 1, two reserved zeros, the submenu
count; per submenu its item count and counted name; per item its counted
name, counted text and int32 chain flag. A counted string of fewer than 255
bytes is one length byte and the bytes; a longer one, up to 65533 bytes, is
0xFF, a 16-bit length and the bytes (the tests need no longer ones)."""
import struct
from dataclasses import dataclass, field


@dataclass
class Item:
    name: str
    text: str
    chain: bool = False


@dataclass
class SubMenu:
    name: str
    items: list = field(default_factory=list)


def _counted(text):
    data = text.encode("cp1252")
    if len(data) < 0xFF:
        return bytes([len(data)]) + data
    if len(data) >= 0xFFFE:
        raise ValueError(f"{text[:20]!r}...: the tests write strings below 65534 bytes only")
    return b"\xff" + struct.pack("<H", len(data)) + data


def document_bytes(submenus):
    out = [struct.pack("<iiii", 1, 0, 0, len(submenus))]
    for submenu in submenus:
        out += [struct.pack("<i", len(submenu.items)), _counted(submenu.name)]
        for item in submenu.items:
            out += [_counted(item.name), _counted(item.text), struct.pack("<i", int(item.chain))]
    return b"".join(out)
