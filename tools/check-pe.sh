#!/usr/bin/env bash
# check-pe.sh BUILD_DIR MACHINE
# Checks every deliverable PE file a mingw build made (the list build/<preset>/pe-list.txt
# names each file and its .def file):
#   - its format is the expected one (MACHINE: i386 for win32, x86-64 for win64),
#   - it imports system DLLs only (a missing -static shows as libstdc++/libgcc/winpthread),
#   - a DLL's export table holds exactly the names its .def file gives, undecorated.
# check-pe.sh --self-test   shows that the check fails a DLL built without -static.
set -u

allowed='^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|ole32|oleaut32|winspool\.drv|setupapi|version|shlwapi|uxtheme|msimg32|msvcrt|ws2_32|iphlpapi|cfgmgr32|newdev|hid|winusb|rpcrt4|imm32|winmm|crypt32|bcrypt|ntdll)(\.dll)?$'

def_exports() {  # the names after EXPORTS, without ordinals, decorations or keywords
  awk 'BEGIN{IGNORECASE=1} /^[[:space:]]*;/ {next} /^[[:space:]]*EXPORTS/ {on=1; next}
       /^[[:space:]]*(LIBRARY|NAME|SECTIONS|DESCRIPTION)/ {on=0}
       on && NF {n=$1; sub(/=.*/, "", n); sub(/@[0-9]+$/, "", n); print n}' "$1" | sort
}

pe_exports() {  # the names of the export table
  objdump -p "$1" | awk '/\[Ordinal\/Name Pointer\] Table/ {on=1; next} on && /^\t\[/ {print $NF; next} on && !/^\t/ {on=0}' | sort
}

check_file() {  # FILE DEF MACHINE -> prints problems, returns non-zero on any
  local file=$1 def=$2 machine=$3 bad=0
  if [ ! -f "$file" ]; then echo "missing: $file"; return 1; fi
  local format; format=$(objdump -f "$file" | sed -n 's/.*file format //p' | head -1)
  case "$machine:$format" in
    i386:pei-i386|x86-64:pei-x86-64) ;;
    *) echo "$file: format '$format', expected $machine"; bad=1 ;;
  esac
  local dll
  for dll in $(objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
      echo "$file: imports $dll, which is not a system DLL"; bad=1
    fi
  done
  if [ -n "$def" ]; then
    local want got
    want=$(def_exports "$def" | tr '\n' ' ')
    got=$(pe_exports "$file" | tr '\n' ' ')
    if [ "$want" != "$got" ]; then echo "$file: exports [$got], $def gives [$want]"; bad=1; fi
  fi
  return $bad
}

self_test() {
  local dir; dir=$(mktemp -d)
  trap 'rm -rf "$dir"' RETURN
  printf 'extern "C" __declspec(dllexport) int __stdcall Probe(int x) { static thread_local int n; return x + ++n; }\n#include <string>\nstd::string s = "x";\n' > "$dir/p.cpp"
  printf 'LIBRARY p\nEXPORTS\n  Probe\n' > "$dir/p.def"
  i686-w64-mingw32-g++-posix -shared -o "$dir/dynamic.dll" "$dir/p.cpp" "$dir/p.def" -Wl,--kill-at 2>/dev/null || return 1
  i686-w64-mingw32-g++-posix -shared -static -static-libgcc -static-libstdc++ -o "$dir/static.dll" \
    "$dir/p.cpp" "$dir/p.def" -Wl,--kill-at 2>/dev/null || return 1
  printf 'LIBRARY p\nEXPORTS\n  Probe\n  Other\n' > "$dir/wrong.def"
  local ok=0
  check_file "$dir/static.dll" "$dir/p.def" i386 >/dev/null || { echo "self-test: a static DLL was refused"; ok=1; }
  check_file "$dir/dynamic.dll" "$dir/p.def" i386 >/dev/null && { echo "self-test: runtime imports passed"; ok=1; }
  check_file "$dir/static.dll" "$dir/wrong.def" i386 >/dev/null && { echo "self-test: wrong exports passed"; ok=1; }
  check_file "$dir/static.dll" "$dir/p.def" x86-64 >/dev/null && { echo "self-test: wrong machine passed"; ok=1; }
  [ $ok = 0 ] && echo "self-test: the check refuses runtime imports, wrong exports and the wrong machine"
  return $ok
}

if [ "${1:-}" = "--self-test" ]; then self_test; exit $?; fi

build=$1 machine=$2
list="$build/pe-list.txt"
[ -f "$list" ] || { echo "no $list: configure and build $build first"; exit 1; }
failed=0 count=0
while IFS='=' read -r file def; do
  [ -n "$file" ] || continue
  count=$((count + 1))
  check_file "$file" "$def" "$machine" || failed=1
  echo "checked $(basename "$file")"
done < "$list"
echo "$count PE files checked in $build"
exit $failed
