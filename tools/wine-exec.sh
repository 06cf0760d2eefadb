#!/usr/bin/env bash
# Runs one Windows program under wine64. ctest calls this as the win64 build's
# emulator; tools/wine-session.sh provides the display and the prefix. Without a session
# (a developer running one test by hand) it falls back to a prefix in the build tree.
set -u
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=$(command -v wine64 || command -v wine)
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-exec: no WINEPREFIX; run the tests through tools/wine-session.sh" >&2
  exit 2
fi
export WINEDEBUG="${VARNEL_WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec "$loader" "$@"
