#!/usr/bin/env bash
# Runs every test of both legs: the Linux build (PelmoraPlugin.so, also once more under
# AddressSanitizer and UndefinedBehaviorSanitizer) and the 32-bit Windows build
# (PelmoraPlugin.dll, cross-built with MinGW-w64) under Wine; then the fuzz targets, each for a
# bounded time (FUZZ_SECONDS, default 45). Installs what the machine lacks.
#
# With CI=true a missing Windows toolchain or Wine is an error; otherwise that leg is skipped
# with a warning.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== Linux leg"
cmake --preset linux
cmake --build --preset linux
ctest --preset linux

echo "== Linux leg under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset linux-sanitize
cmake --build --preset linux-sanitize
ctest --preset linux-sanitize

echo "== Fuzzing (libFuzzer, clang)"
bash scripts/run-fuzzers.sh

echo "== Windows leg (MinGW-w64 i686, under Wine)"
if command -v i686-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then
  source scripts/wine-env.sh
  # Wine's server and helper processes outlive the tests; end them, or they would hold the
  # output of whoever ran this script open.
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  cmake --preset windows-mingw
  cmake --build --preset windows-mingw
  ctest --preset windows-mingw
elif [[ "${CI:-}" == "true" ]]; then
  echo "test-all: the MinGW-w64 i686 compiler or Wine is missing; the Windows leg cannot run" >&2
  exit 1
else
  echo "test-all: WARNING: no MinGW-w64 i686 compiler or no Wine: the Windows leg was SKIPPED" >&2
fi
