#!/usr/bin/env bash
# wine-session.sh COMMAND [ARGS...]
# Runs COMMAND with a private headless X display and a throwaway wine prefix, keeps
# wineserver up while it runs, and stops everything it started afterwards, also when
# COMMAND fails, hangs until its own time limit, or the session is interrupted.
# Set VARNEL_WINEDEBUG (e.g. "err+all") to see Wine's own messages.
set -u
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=$(command -v wine64 || command -v wine)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

work=$(mktemp -d /tmp/varnel-wine.XXXXXX)
export WINEPREFIX="$work/prefix"
export WINEARCH=win64
export WINEDEBUG="${VARNEL_WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
xvfb_pid=""

cleanup() {
  "$server" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display number: Xvfb refuses one that is taken, so try a few.
for n in $(seq 90 130); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e "/tmp/.X11-unix/X$n" ]; then export DISPLAY=":$n"; break; fi
  xvfb_pid=""
done
if [ -z "${DISPLAY:-}" ] || [ -z "$xvfb_pid" ]; then
  echo "wine-session: could not start Xvfb" >&2; exit 1
fi

# Keep one server up for the whole run, then create the prefix.
mkdir -p "$WINEPREFIX"
"$server" -p
timeout 300 "$loader" wineboot -i >"$work/wineboot.log" 2>&1 || {
  echo "wine-session: wineboot failed" >&2; cat "$work/wineboot.log" >&2; exit 1; }
# No window manager runs on the private display: keep Wine's windows unmanaged, or every
# top-level window that hides (each dialog that ends) waits two seconds for one.
"$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true

"$@"
