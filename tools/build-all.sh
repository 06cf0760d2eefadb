#!/usr/bin/env bash
# Configures and builds the three builds: host, win64, win32 (presets in CMakePresets.json).
set -eu
cd "$(dirname "$0")/.."
jobs=${VARNEL_JOBS:-$(nproc)}
mkdir -p build
for preset in ${VARNEL_PRESETS:-host win64 win32}; do
  echo "== build $preset"
  cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 || { cat "build/configure-$preset.log"; exit 1; }
  cmake --build --preset "$preset" -j "$jobs"
done
