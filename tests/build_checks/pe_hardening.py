#!/usr/bin/env python3
"""Checks the built Windows programs' headers for what the build asks of them.

    pe_hardening.py program.exe... [--setup SETUP.exe]

A program passes when its header shows a relocatable image that keeps its
relocations (ASLR), no-execute data (DEP) and, for a 64-bit image,
high-entropy ASLR; when the stack protector's failure handler is linked in;
and when every DLL it imports is one the system loads only from its own
folder (a KnownDLL or an API set), or is named as a dependency by the
program's own manifest (comctl32 through the Common Controls assembly), so
that no copy lying beside the program is ever loaded in its place.

The setup program is made from the installer tool's prebuilt stub, whose
relocations are stripped: it is checked for DEP and relocatable only as far
as that stub allows, and what it lacks is printed.

Exit status 0 when everything passed, 1 with one line per finding.
"""

import re
import struct
import sys

HIGH_ENTROPY_VA = 0x0020
DYNAMIC_BASE = 0x0040
NX_COMPAT = 0x0100
RELOCS_STRIPPED = 0x0001
RT_MANIFEST = 24

# The DLLs Windows 10 and 11 map from the system folder whatever the search
# order (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs),
# and ntdll, which every process has before any import is resolved.
KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "coml2.dll",
    "difxapi.dll", "gdi32.dll", "gdiplus.dll", "imagehlp.dll", "imm32.dll",
    "kernel32.dll", "msctf.dll", "msvcrt.dll", "normaliz.dll", "nsi.dll",
    "ole32.dll", "oleaut32.dll", "psapi.dll", "rpcrt4.dll", "sechost.dll",
    "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "wldap32.dll", "wow64.dll", "wow64cpu.dll", "wow64win.dll", "ws2_32.dll",
    "ntdll.dll",
}

# Side-by-side assemblies a manifest may depend on, and the DLL each brings.
ASSEMBLY_DLLS = {
    "microsoft.windows.common-controls": "comctl32.dll",
}


class PeImage:
    """The parts of a PE file the checks read; raises ValueError on a file
    that is not one."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ" or len(data) < 0x40:
            raise ValueError("not a Windows program (no MZ header)")
        pe = self._u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a Windows program (no PE signature)")
        coff = pe + 4
        self.sections_count = self._u16(coff + 2)
        optional_size = self._u16(coff + 16)
        self.characteristics = self._u16(coff + 18)
        opt = coff + 20
        magic = self._u16(opt)
        if magic not in (0x10B, 0x20B):
            raise ValueError("unknown optional header 0x%x" % magic)
        self.is_64 = magic == 0x20B
        self.dll_characteristics = self._u16(opt + 70)
        directories = opt + (112 if self.is_64 else 96)
        count = self._u32(directories - 4)
        self.directories = [
            (self._u32(directories + 8 * i), self._u32(directories + 8 * i + 4))
            for i in range(min(count, 16))
        ]
        table = opt + optional_size
        self.sections = []
        for i in range(self.sections_count):
            at = table + 40 * i
            name = data[at:at + 8].rstrip(b"\0").decode("latin-1")
            vsize, vaddr, rsize, raw = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((name, vaddr, max(vsize, rsize), raw, rsize))

    def _u16(self, at):
        return struct.unpack_from("<H", self.data, at)[0]

    def _u32(self, at):
        return struct.unpack_from("<I", self.data, at)[0]

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def offset(self, rva):
        for _, vaddr, size, raw, rsize in self.sections:
            if vaddr <= rva < vaddr + size and rva - vaddr < rsize:
                return raw + rva - vaddr
        raise ValueError("address 0x%x lies in no section" % rva)

    def c_string(self, rva):
        at = self.offset(rva)
        end = self.data.index(b"\0", at)
        return self.data[at:end].decode("latin-1")

    def imports(self):
        names, rva = [], self.directory(1)[0]
        while rva and self._u32(self.offset(rva) + 12):
            names.append(self.c_string(self._u32(self.offset(rva) + 12)))
            rva += 20
        return names

    def manifest(self):
        """The text of the first RT_MANIFEST resource, or None."""
        base, _ = self.directory(2)
        if not base:
            return None

        def entries(rva):
            at = self.offset(rva)
            named, ids = self._u16(at + 12), self._u16(at + 14)
            for i in range(named + ids):
                entry = at + 16 + 8 * i
                yield self._u32(entry), self._u32(entry + 4)

        for type_id, type_target in entries(base):
            if type_id != RT_MANIFEST or not type_target & 0x80000000:
                continue
            target = type_target
            while target & 0x80000000:
                target = next(entries(base + (target & 0x7FFFFFFF)))[1]
            data_rva, size = struct.unpack_from("<II", self.data, self.offset(base + target))
            at = self.offset(data_rva)
            return self.data[at:at + size].decode("utf-8", "replace")
        return None


def manifest_dlls(manifest):
    """The DLLs a manifest resolves: its dependent assemblies' and its own files."""
    dlls = set()
    if manifest is None:
        return dlls
    for block in re.findall(r"<(?:\w+:)?dependentAssembly\b.*?</(?:\w+:)?dependentAssembly>",
                            manifest, re.S):
        for name in re.findall(r"<(?:\w+:)?assemblyIdentity\b[^>]*\bname=\"([^\"]+)\"", block):
            if name.lower() in ASSEMBLY_DLLS:
                dlls.add(ASSEMBLY_DLLS[name.lower()])
    for name in re.findall(r"<(?:\w+:)?file\b[^>]*\bname=\"([^\"]+)\"", manifest):
        dlls.add(name.lower())
    return dlls


def import_findings(image):
    allowed = manifest_dlls(image.manifest())
    findings = []
    for dll in image.imports():
        lower = dll.lower()
        if lower in KNOWN_DLLS or lower.startswith(("api-ms-win-", "ext-ms-win-")):
            continue
        if lower in allowed:
            continue
        findings.append(
            "imports %s, which is no KnownDLL, and its manifest names no dependency that "
            "brings it (comctl32.dll needs the Common Controls 6 dependency in the "
            "program's manifest): a %s beside the program would be loaded instead" % (dll, dll))
    return findings


def header_findings(image, relocatable_required=True):
    findings = []
    flags = image.dll_characteristics
    if not flags & NX_COMPAT:
        findings.append("no NX_COMPAT: its data can be run (no DEP)")
    if relocatable_required:
        if not flags & DYNAMIC_BASE:
            findings.append("no DYNAMIC_BASE: it always loads at the same address (no ASLR)")
        if image.characteristics & RELOCS_STRIPPED or not image.directory(5)[0]:
            findings.append("its relocations are stripped: it cannot be moved (no ASLR)")
        if image.is_64 and not flags & HIGH_ENTROPY_VA:
            findings.append("no HIGH_ENTROPY_VA on a 64-bit image")
    return findings


def stack_protector_findings(image):
    # The stack protector's failure handler (libssp's __stack_chk_fail) is
    # linked statically; the programs are stripped, so its message is what
    # shows it is there.
    if b"stack smashing detected" not in image.data:
        return ["the stack protector's failure handler is not linked in"]
    return []


def check_program(path):
    image = PeImage(open(path, "rb").read())
    return (header_findings(image) + stack_protector_findings(image) + import_findings(image),
            "DllCharacteristics 0x%04x" % image.dll_characteristics)


def check_setup(path):
    # NSIS's stubs are linked without relocations: the flag is asked for,
    # but Windows cannot move them.
    image = PeImage(open(path, "rb").read())
    findings = header_findings(image, relocatable_required=False)
    if not image.dll_characteristics & DYNAMIC_BASE:
        findings.append("no DYNAMIC_BASE flag")
    stripped = image.characteristics & RELOCS_STRIPPED or not image.directory(5)[0]
    return findings, "DllCharacteristics 0x%04x%s" % (
        image.dll_characteristics,
        "; relocations stripped by the installer tool's stub (no ASLR possible)" if stripped else "")


def main(argv):
    programs, setups = [], []
    args = iter(argv)
    for arg in args:
        if arg == "--setup":
            setups.append(next(args))
        else:
            programs.append(arg)
    if not programs and not setups:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    failed = False
    for path, check in [(p, check_program) for p in programs] + [(s, check_setup) for s in setups]:
        try:
            findings, summary = check(path)
        except (OSError, ValueError, struct.error) as error:
            findings, summary = ["cannot be read: %s" % error], ""
        print("%s: %s" % (path, summary))
        for finding in findings:
            print("  FAIL %s: %s" % (path, finding))
        failed = failed or bool(findings)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
