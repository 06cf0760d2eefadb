#!/usr/bin/env bash
# The package's main job: builds the deliverables as they ship (win32) and their x86_64
# forms (win64), assembles the installation medium and lists what it holds.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
VARNEL_PRESETS="win32 win64" tools/build-all.sh
tools/make-medium.sh build/medium
echo
echo "== the installation medium (build/medium)"
(cd build/medium && find . -type f | LC_ALL=C sort | while read -r f; do
  kind=""
  case "$f" in *.exe|*.dll|*.EXE|*.DLL) kind=$(objdump -f "$f" 2>/dev/null | sed -n 's/.*file format //p' | head -1) ;; esac
  printf '%10d  %-48s %s\n' "$(stat -c %s "$f")" "${f#./}" "$kind"
done)
