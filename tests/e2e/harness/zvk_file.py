"""Writes macro documents (.zvk files) for the tests to open.

The stream: int32 little-endian version 1, two reserved zeros, the submenu
count; per submenu its item count and counted name; per item its counted
name, counted text and int32 chain flag. A counted string is one length byte
below 255 bytes, else 0xFF and a 16-bit length (or 0xFF 0xFFFF and a 32-bit
length from 65534 bytes on)."""
import struct
from dataclasses import dataclass, field

ENCODING = "cp1252"


@dataclass
class Item:
    name: str
    text: str
    chain: bool = False


@dataclass
class SubMenu:
    name: str
    items: list = field(default_factory=list)


def counted(text):
    data = text.encode(ENCODING) if isinstance(text, str) else bytes(text)
    length = len(data)
    if length < 0xFF:
        prefix = struct.pack("<B", length)
    elif length < 0xFFFE:
        prefix = struct.pack("<BH", 0xFF, length)
    else:
        prefix = struct.pack("<BHI", 0xFF, 0xFFFF, length)
    return prefix + data


def document_bytes(submenus):
    out = [struct.pack("<iiii", 1, 0, 0, len(submenus))]
    for submenu in submenus:
        out.append(struct.pack("<i", len(submenu.items)))
        out.append(counted(submenu.name))
        for item in submenu.items:
            out.append(counted(item.name))
            out.append(counted(item.text))
            out.append(struct.pack("<i", 1 if item.chain else 0))
    return b"".join(out)


def write_document(path, submenus):
    with open(path, "wb") as file:
        file.write(document_bytes(submenus))
    return path
