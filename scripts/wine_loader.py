#!/usr/bin/env python3
"""How this machine runs a Windows program under Wine: the one place that
decides, used by scripts/wine-run (the unit and zvk tests), the end-to-end
harness, scripts/run and scripts/test-all.

- A 64-bit program always runs through the 64-bit loader, with WINELOADER
  set to it: plain "wine" starts Debian's 32-bit loader first, which cannot
  start at all on a kernel without support for 32-bit programs, and which
  would run a 64-bit program in a helper process that is not the program.
- A 32-bit program runs through the 32-bit loader: natively where the kernel
  runs 32-bit programs, or through qemu user emulation where a binfmt_misc
  rule for 32-bit x86 files is registered (scripts/install-deps.sh registers
  one on a machine that needs it). Such a rule takes precedence over the
  kernel's own loader, so a machine with both runs 32-bit programs emulated.
- Wine's own tools (wineboot, reg, explorer) run as 64-bit programs, and a
  prefix is made by the 64-bit wineboot (about 5 s; it fills syswow64 too,
  so 32-bit programs run in it whichever way they run).

    wine_loader.py support [--why]   native, emulated or none: how 32-bit programs run
    wine_loader.py run EXE [ARG...]  runs EXE in the prefix $WINEPREFIX (default: the
                                     tests' prefix, build/wine/tests), made on first use
    wine_loader.py tool NAME [ARG...]  runs Wine's tool NAME (explorer, reg ...) in $WINEPREFIX
"""
import errno
import fcntl
import os
import struct
import subprocess
import sys

# The prefixes of the tests, shared by the 32- and 64-bit builds: each is
# made once (seconds natively, minutes where 32-bit programs are emulated,
# 1.3 GB each). "tests" serves the unit and zvk tests, "e2e" the end-to-end
# tests, which need a desktop of their own.
PREFIXES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         "..", "build", "wine"))

WINE32 = "/usr/lib/wine/wine"
WINE64 = "/usr/lib/wine/wine64"
# The server itself, not Debian's wrapper script, which starts it with -p0:
# such a server quits the moment its last program ends, so a program started
# right after another (the zvk tests start dozens in a row) can find it
# quitting and fail with "wine client error: recvmsg: Connection reset by
# peer". Started directly it stays 3 s after the last program.
WINESERVER = "/usr/lib/wine/wineserver64"
BINFMT = "/proc/sys/fs/binfmt_misc"
X86, X64 = "x86", "x64"

# The command that gives a machine without native 32-bit support the emulation.
FIX_X86 = "sudo ./scripts/install-deps.sh   (registers qemu-i386 user emulation for 32-bit programs)"


def architecture(exe):
    """X86 or X64: the machine a Windows program is built for."""
    with open(exe, "rb") as file:
        header = file.read(4096)
    try:
        (pe_offset,) = struct.unpack_from("<I", header, 0x3C)
        signature, machine = struct.unpack_from("<4sH", header, pe_offset)
    except struct.error:
        signature, machine = b"", 0
    if signature != b"PE\0\0" or machine not in (0x14C, 0x8664):
        raise ValueError(f"{exe} is not a 32- or 64-bit x86 Windows program")
    return X64 if machine == 0x8664 else X86


def _i386_emulation_rule():
    """The name and interpreter of an enabled binfmt_misc rule that takes
    32-bit x86 ELF files, or None."""
    try:
        with open(os.path.join(BINFMT, "status")) as status:
            if status.read().strip() != "enabled":
                return None
        names = sorted(os.listdir(BINFMT))
    except OSError:
        return None
    for name in names:
        if name in ("register", "status"):
            continue
        try:
            with open(os.path.join(BINFMT, name)) as rule:
                lines = rule.read().splitlines()
        except OSError:
            continue
        fields = dict(line.split(" ", 1) for line in lines[1:] if " " in line)
        magic = fields.get("magic", "")
        # ELF, 32-bit, little-endian; e_machine (bytes 18-19) 3 is i386.
        if lines[:1] == ["enabled"] and magic.startswith("7f454c460101") and magic[36:40] == "0300":
            return name, fields.get("interpreter", "?")
    return None


def x86_support():
    """How 32-bit programs run here: ("native" | "emulated" | "none", why)."""
    try:
        probe = subprocess.run([WINE32, "--version"], stdin=subprocess.DEVNULL,
                               capture_output=True, timeout=300)
    except FileNotFoundError:
        return "none", f"Wine's 32-bit loader {WINE32} is not installed (package wine32:i386)"
    except OSError as error:
        if error.errno == errno.ENOEXEC:
            return "none", ("this kernel cannot run 32-bit programs (no IA32 emulation) and no "
                            "user-mode emulation is registered for them")
        return "none", f"{WINE32} cannot start: {error}"
    except subprocess.TimeoutExpired:
        return "none", f"{WINE32} --version did not answer within 300 s"
    if probe.returncode != 0 or not probe.stdout.startswith(b"wine-"):
        return "none", f"{WINE32} --version failed (exit {probe.returncode})"
    rule = _i386_emulation_rule()
    if rule:
        return "emulated", f"through {rule[1]} (binfmt_misc rule {rule[0]})"
    return "native", "the kernel runs 32-bit programs itself"


def program_env(exe, env):
    """The environment for running exe: the 64-bit loader names itself as
    the loader of every process it starts; the 32-bit one finds its 64-bit
    partner on its own."""
    env = dict(env, WINESERVER=WINESERVER)
    if architecture(exe) == X64:
        env["WINELOADER"] = WINE64
    else:
        env.pop("WINELOADER", None)
    return env


def program_command(exe, args=()):
    """The command line that runs exe, whose process is the program."""
    return [WINE64 if architecture(exe) == X64 else WINE32, exe, *args]


def tool_command(tool, args=()):
    """A Wine tool (wineboot, reg, explorer, ...) as a 64-bit program."""
    return [WINE64, tool, *args]


def tool_env(env):
    return dict(env, WINELOADER=WINE64, WINESERVER=WINESERVER)


def server_command(args=()):
    """wineserver with args: -k ends the prefix's server, -w waits for its end."""
    return [WINESERVER, *args]


def prepare_prefix(env, timeout=900):
    """Makes the prefix env["WINEPREFIX"] once, under a lock, so that two
    runs starting together do not both make it (which breaks it)."""
    prefix = env["WINEPREFIX"]
    os.makedirs(os.path.dirname(os.path.abspath(prefix)), exist_ok=True)
    with open(prefix + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(os.path.join(prefix, "system.reg")):
            return
        made = subprocess.run(tool_command("wineboot", ["-i"]), env=tool_env(env),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
        subprocess.run(server_command(["-w"]), env=env, stdin=subprocess.DEVNULL, timeout=timeout)
        if made.returncode != 0 or not os.path.exists(os.path.join(prefix, "system.reg")):
            raise RuntimeError(f"wineboot could not make the Wine prefix {prefix} "
                               f"(exit {made.returncode}): {made.stderr.decode(errors='replace')[-500:]}")


def _quiet_env(prefix):
    env = dict(os.environ)
    env.setdefault("WINEPREFIX", prefix)
    env.setdefault("WINEDEBUG", "-all")
    env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")
    prepare_prefix(env)
    # Keep one server (and the services Wine starts with it, wineboot among
    # them) for a whole run of programs started one after another, instead
    # of a server and its services starting and ending around each program:
    # a program that starts as they start or end can fail (a reset
    # connection, a page fault in Wine as the program ends). The server
    # stays a minute after the last program; a second one quits at once.
    subprocess.run(server_command(["-p60"]), env=env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    return env


def run_tool(tool, args):
    """Replaces this process with one of Wine's tools, in $WINEPREFIX."""
    if "WINEPREFIX" not in os.environ:
        print("wine_loader.py tool: set WINEPREFIX", file=sys.stderr)
        return 2
    env = tool_env(_quiet_env(os.environ["WINEPREFIX"]))
    command = tool_command(tool, args)
    os.execve(command[0], command, env)


def run(exe, args):
    """Replaces this process with exe under Wine, quietly, in its prefix."""
    env = _quiet_env(os.path.join(PREFIXES, "tests"))
    command = program_command(exe, args)
    try:
        os.execve(command[0], command, program_env(exe, env))
    except OSError as error:
        if architecture(exe) == X86 and error.errno in (errno.ENOEXEC, errno.ENOENT):
            kind, why = x86_support()
            print(f"wine-run: cannot run the 32-bit program {exe}: {why}.\n"
                  f"wine-run: to run 32-bit programs here: {FIX_X86}", file=sys.stderr)
            return 126
        raise


def main(argv):
    if argv[:1] == ["support"]:
        kind, why = x86_support()
        print(f"{kind}: {why}" if "--why" in argv[1:] else kind)
        return 0
    if argv[:1] == ["run"] and len(argv) >= 2:
        return run(argv[1], argv[2:])
    if argv[:1] == ["tool"] and len(argv) >= 2:
        return run_tool(argv[1], argv[2:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
