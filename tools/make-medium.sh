#!/usr/bin/env bash
# make-medium.sh [OUT]  (default build/medium)
# Assembles the installation medium from the sample data in medium/ and the binaries of
# the win32 and win64 builds, as tools/medium-layout.txt places them. Binaries not built
# yet are named and left out.
set -eu
cd "$(dirname "$0")/.."
out=${1:-build/medium}
rm -rf "$out"
mkdir -p "$out"
if [ -d medium ]; then cp -R medium/. "$out/"; fi
while read -r build file folder; do
  case "$build" in ''|'#'*) continue ;; esac
  src="build/$build/bin/$file"
  if [ -f "$src" ]; then
    mkdir -p "$out/$folder"
    cp "$src" "$out/$folder/"
  else
    echo "not built yet: $build/$file"
  fi
done < tools/medium-layout.txt
echo "medium assembled in $out"
