#!/bin/sh
# Installs everything the build and the tests need on a Debian 12 machine, from Debian's
# packages only. Safe to run again: it installs only what is missing.
set -eu

if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages="make cmake g++ pkgconf
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 mingw-w64-i686-dev mingw-w64-x86-64-dev
  librapidxml-dev googletest
  wine wine64 wine32:i386
  python3 python3-pytest
  nginx-light openssl iproute2 util-linux procps"

# wine32 is an i386 package.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $as_root dpkg --add-architecture i386
  need_update=1
fi

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
if [ -n "$missing" ] || [ -n "${need_update:-}" ]; then
  $as_root apt-get update -q
fi
if [ -n "$missing" ]; then
  $as_root apt-get install -y -q --no-install-recommends $missing
fi

# Wine's 32-bit loader is an i386 program. Where the kernel cannot run 32-bit code (some
# virtual machines disable it), run i386 programs through user-mode emulation instead.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  dpkg-query -W -f='${Status}\n' qemu-user-static 2>/dev/null | grep -q "install ok installed" || {
    $as_root apt-get update -q
    $as_root apt-get install -y -q --no-install-recommends qemu-user-static
  }
  [ -e /proc/sys/fs/binfmt_misc/register ] ||
    $as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
      $as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null
  fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || {
    echo "setup: this machine can run no 32-bit programs, not even through emulation" >&2
    exit 1
  }
fi
