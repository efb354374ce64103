#!/usr/bin/env bash
# The main job: builds the plug-in and the stand-in host for Linux, then lets the host load the
# plug-in, show its metadata and link it (initPlugin).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target PelmoraPlugin Nerolt

build/linux/bin/Nerolt build/linux/bin/PelmoraPlugin.so --info "$@"
