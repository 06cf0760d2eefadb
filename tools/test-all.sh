#!/usr/bin/env bash
# The test command: installs what is missing, builds the three builds and runs every
# test in one ctest run: host unit tests, Wine tests of the win64 build, and the checks
# of the PE files of both mingw builds. Ends with ctest's summary.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build-all.sh

# One ctest tree over both test builds, so one summary counts them all.
root=$PWD
cat > build/CTestTestfile.cmake <<CTEST
subdirs("$root/build/host")
subdirs("$root/build/win64")
add_test(pe.win32 "$root/tools/check-pe.sh" "$root/build/win32" i386)
set_tests_properties(pe.win32 PROPERTIES LABELS pe TIMEOUT 120)
add_test(pe.win64 "$root/tools/check-pe.sh" "$root/build/win64" x86-64)
set_tests_properties(pe.win64 PROPERTIES LABELS pe TIMEOUT 120)
add_test(pe.self_test "$root/tools/check-pe.sh" --self-test)
set_tests_properties(pe.self_test PROPERTIES LABELS pe TIMEOUT 120)
CTEST

tools/wine-session.sh ctest --test-dir build --output-on-failure -j "${VARNEL_JOBS:-2}" --timeout 600 "$@"
