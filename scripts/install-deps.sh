#!/usr/bin/env bash
# Installs, through Debian's packages, what a fresh Debian 12 machine lacks to build and test
# both legs: the native toolchain and test libraries, the i686 MinGW-w64 cross compiler for the
# 32-bit Windows DLL, and Wine (32-bit) to run the Windows tests. Does nothing that is already there.
set -euo pipefail

packages=()
need() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' || packages+=("$1"); }

for p in cmake ninja-build g++ binutils clang-format libgtest-dev googletest libbenchmark-dev \
         g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 \
         wine wine32:i386 valgrind clang libclang-rt-14-dev; do
  need "$p"
done

if ((${#packages[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${packages[*]}" >&2
  echo "install-deps: run this script as root (or with sudo) to install them" >&2
  exit 1
fi

echo "install-deps: installing ${packages[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
