#!/usr/bin/env bash
# make-medium.sh [--chinese] [OUT]  (default build/medium)
# Assembles the installation medium from the sample data in medium/ and the binaries of
# the win32 and win64 builds, as tools/medium-layout.txt places them. Binaries not built
# yet are named and left out. --chinese lays the Chinese texts of medium-zh-CN/ over it and
# selects them in DRVCONFIG\setup.ini (LANGUAGE=0).
set -eu
cd "$(dirname "$0")/.."
chinese=0
if [ "${1:-}" = "--chinese" ]; then chinese=1; shift; fi
out=${1:-build/medium}
rm -rf "$out"
mkdir -p "$out"
if [ -d medium ]; then cp -R medium/. "$out/"; fi
if [ $chinese = 1 ]; then
  cp -R medium-zh-CN/. "$out/"
  sed -i 's/^LANGUAGE=1\r\?$/LANGUAGE=0\r/' "$out/DRVCONFIG/setup.ini"
  grep -q '^LANGUAGE=0' "$out/DRVCONFIG/setup.ini" || { echo "could not select the Chinese texts"; exit 1; }
fi
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
