#!/usr/bin/env bash
# The main job: builds the plug-in and the stand-in host for Linux, then lets the host play a
# completed run over the example ROIs. The plug-in merges them and the save dialog is answered
# with build/example-output/merged.roi. Extra arguments go to the host (see Nerolt --help).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target PelmoraPlugin Nerolt

mkdir -p build/example-output
build/linux/bin/Nerolt build/linux/bin/PelmoraPlugin.so examples/*.roi \
  --target-folder build/example-output --save-as merged.roi "$@"

if [[ -f build/example-output/merged.roi ]]; then
  echo "The merged ROI: build/example-output/merged.roi ($(wc -c <build/example-output/merged.roi) bytes)"
fi
