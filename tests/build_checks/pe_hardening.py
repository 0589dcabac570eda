#!/usr/bin/env python3
"""Checks the built Windows programs' headers for what the build asks of them.

    pe_hardening.py program.exe... [--setup SETUP.exe]

A program needs a relocatable image that keeps its relocations (ASLR),
no-execute data (DEP), high-entropy ASLR when 64-bit, the stack protector's
failure handler, and imports only of DLLs that the system loads from its
own folder (KnownDLLs, API sets) or that its manifest names (comctl32), so
that no copy beside it is loaded instead. The setup program, made from the
installer tool's stub without relocations, needs DEP and the ASLR flag.
Exit status 0 when everything passed, 1 with one line per finding.
"""

import re
import struct
import sys

RELOCS_STRIPPED, HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x0001, 0x0020, 0x0040, 0x0100
RT_MANIFEST, SUBDIRECTORY = 24, 0x80000000

# The DLLs Windows 10 and 11 map from the system folder whatever the search
# order (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs),
# and ntdll, which every process has before any import is resolved.
KNOWN_DLLS = {name + ".dll" for name in """
    advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt
    normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32
    wow64 wow64cpu wow64win ws2_32 ntdll""".split()}
# Side-by-side assemblies a manifest may depend on, and the DLL each brings.
ASSEMBLY_DLLS = {"microsoft.windows.common-controls": "comctl32.dll"}


class PeImage:
    """The parts of a PE file the checks read; ValueError or struct.error on another file."""

    def __init__(self, path):
        with open(path, "rb") as file:
            self.data = data = file.read()
        pe = self.value("I", 0x3C) if data[:2] == b"MZ" and len(data) >= 0x40 else None
        if pe is None or data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a Windows program (no MZ header or PE signature)")
        sections, optional_size, self.characteristics = struct.unpack_from("<2xH12xHH", data, pe + 4)
        opt = pe + 24
        magic = self.value("H", opt)
        if magic not in (0x10B, 0x20B):
            raise ValueError("unknown optional header 0x%x" % magic)
        self.is_64, self.dll_characteristics = magic == 0x20B, self.value("H", opt + 70)
        directories = opt + (112 if self.is_64 else 96)
        count = min(self.value("I", directories - 4), 16)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(count)]
        self.directories += [(0, 0)] * (16 - count)
        # (VirtualAddress, SizeOfRawData, PointerToRawData) of each section
        self.sections = [struct.unpack_from("<12xIII", data, opt + optional_size + 40 * i)
                         for i in range(sections)]

    def value(self, kind, at):   # kind: "H" 16 bits, "I" 32
        return struct.unpack_from("<" + kind, self.data, at)[0]

    def offset(self, rva):
        for vaddr, size, raw in self.sections:
            if 0 <= rva - vaddr < size:
                return raw + rva - vaddr
        raise ValueError("address 0x%x lies in no section" % rva)

    def imports(self):
        names, rva = [], self.directories[1][0]
        while rva and (name := self.value("I", self.offset(rva) + 12)):
            at = self.offset(name)
            names.append(self.data[at:self.data.index(b"\0", at)].decode("latin-1"))
            rva += 20
        return names

    def manifest(self):
        """The text of the first RT_MANIFEST resource, or ""."""
        base = self.directories[2][0]

        def entries(rva):   # (id, target) of a resource directory's named and numbered entries
            at = self.offset(rva)
            return [struct.unpack_from("<II", self.data, at + 16 + 8 * i)
                    for i in range(sum(struct.unpack_from("<HH", self.data, at + 12)))]

        for type_id, target in entries(base) if base else []:
            if type_id == RT_MANIFEST and target & SUBDIRECTORY:
                while target & SUBDIRECTORY:
                    target = entries(base + (target & ~SUBDIRECTORY))[0][1]
                data_rva, size = struct.unpack_from("<II", self.data, self.offset(base + target))
                at = self.offset(data_rva)
                return self.data[at:at + size].decode("utf-8", "replace")
        return ""


def manifest_dlls(manifest):
    """The DLLs a manifest resolves: its dependent assemblies' and its own files."""
    tag = r"<(?:\w+:)?"
    assemblies = re.findall(tag + r"dependentAssembly\b.*?</(?:\w+:)?dependentAssembly>", manifest, re.S)
    names = [name.lower() for block in assemblies
             for name in re.findall(tag + r'assemblyIdentity\b[^>]*\bname="([^"]+)"', block)]
    return ({ASSEMBLY_DLLS[name] for name in names if name in ASSEMBLY_DLLS}
            | {name.lower() for name in re.findall(tag + r'file\b[^>]*\bname="([^"]+)"', manifest)})


def check(path, setup=False):
    """The findings on a program, or on a setup program (DEP and the flag
    asked for only: NSIS's stubs are linked without relocations), and a summary."""
    image = PeImage(path)
    flags = image.dll_characteristics
    stripped = image.characteristics & RELOCS_STRIPPED or not image.directories[5][0]
    findings = [] if flags & NX_COMPAT else ["no NX_COMPAT: its data can be run (no DEP)"]
    summary = "DllCharacteristics 0x%04x" % flags
    if setup:
        findings += [] if flags & DYNAMIC_BASE else ["no DYNAMIC_BASE flag"]
        return findings, summary + (
            "; relocations stripped by the installer tool's stub (no ASLR possible)" if stripped else "")
    findings += [finding for failed, finding in (
            (not flags & DYNAMIC_BASE, "no DYNAMIC_BASE: it always loads at the same address (no ASLR)"),
            (stripped, "its relocations are stripped: it cannot be moved (no ASLR)"),
            (image.is_64 and not flags & HIGH_ENTROPY_VA, "no HIGH_ENTROPY_VA on a 64-bit image"),
            # libssp's __stack_chk_fail is linked statically into stripped
            # programs: its message shows that it is there.
            (b"stack smashing detected" not in image.data,
             "the stack protector's failure handler is not linked in")) if failed]
    allowed = KNOWN_DLLS | manifest_dlls(image.manifest())
    findings += [
        "imports %s, which is no KnownDLL, and its manifest names no dependency that brings it "
        "(comctl32.dll needs the Common Controls 6 dependency in the program's manifest): a %s "
        "beside the program would be loaded instead" % (dll, dll)
        for dll in image.imports()
        if dll.lower() not in allowed and not dll.lower().startswith(("api-ms-win-", "ext-ms-win-"))]
    return findings, summary


def main(argv):
    args = iter(argv)
    checks = [(next(args, ""), True) if arg == "--setup" else (arg, False) for arg in args]
    if not checks:
        print(__doc__.splitlines()[2].strip(), file=sys.stderr)
        return 2
    failed = False
    for path, setup in checks:
        try:
            findings, summary = check(path, setup)
        except (OSError, ValueError, struct.error) as error:
            findings, summary = ["cannot be read: %s" % error], ""
        print("%s: %s" % (path, summary) + "".join("\n  FAIL %s: %s" % (path, f) for f in findings))
        failed = failed or bool(findings)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
