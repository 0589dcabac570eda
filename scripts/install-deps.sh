#!/usr/bin/env bash
# Installs what building and testing Zorvakomat needs on Debian 12, skipping
# what is already there. Runs as root, or through sudo when it is available.
set -euo pipefail

# as_root COMMAND...: runs a command as root (directly, or through sudo).
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else
    echo "install-deps: this needs root: run it as root, or install sudo (to run: $*)" >&2
    exit 1
  fi
}

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386
  nsis
  xvfb xdotool imagemagick xclip x11-utils
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

export DEBIAN_FRONTEND=noninteractive
updated=""
install() {
  echo "install-deps: installing $*" >&2
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  [ -n "$updated" ] || { as_root apt-get update -qq; updated=1; }
  as_root apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

if [ ${#missing[@]} -ne 0 ]; then install "${missing[@]}"; fi

# 32-bit Windows programs need a kernel that runs 32-bit programs. Where it
# cannot (no IA32 emulation), register qemu's user-mode emulation for 32-bit
# x86 files with binfmt_misc: Wine's 32-bit loader then runs, slowly.
loader=$(dirname "$0")/wine_loader.py
register_x86_emulation() {
  local binfmt=/proc/sys/fs/binfmt_misc
  echo "install-deps: this kernel cannot run 32-bit programs; registering qemu-i386 user-mode emulation for them" >&2
  dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed' ||
    install qemu-user-static
  [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ -e "$binfmt/qemu-i386" ]; then
    echo 1 | as_root tee "$binfmt/qemu-i386" >/dev/null
  else
    # ELF, 32-bit, little-endian, an executable or shared object for i386;
    # F: the interpreter is opened now, so it works in any mount namespace.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
      as_root tee "$binfmt/register" >/dev/null
  fi
}
if [ "$(python3 "$loader" support)" = none ]; then
  # Without it only the 32-bit programs cannot run: the rest goes on, and
  # scripts/test-all reports the 32-bit tests as not run, with the fix.
  ( register_x86_emulation ) || echo "install-deps: could not register the emulation; 32-bit programs will not run" >&2
  python3 "$loader" support --why >&2
fi
