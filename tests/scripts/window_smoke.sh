#!/bin/sh
# Starts the real window under Xvfb for a few seconds, ends it with SIGTERM
# (Xvfb has no window manager to close it) and checks a clean shutdown that
# saved the options. Usage: window_smoke.sh VIEWER LEVEL
set -u
viewer="$1"
level="$2"
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "window_smoke: Xvfb is not installed" >&2
  exit 1
fi
# The system's display libraries keep a few allocations past exit (seen in
# D-Bus under the asan build); our own code's leaks are checked by the
# headless tests, so leak checking is off for this window run only.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
display=":$(( ($$ % 400) + 100 ))"
Xvfb "$display" -screen 0 640x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
sleep 1
XDG_DATA_HOME="$work/data" DISPLAY="$display" SDL_AUDIODRIVER=dummy \
  "$viewer" view "$level" >"$work/out.log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
  echo "window_smoke: the viewer ended early:" >&2
  cat "$work/out.log" >&2
  exit 1
fi
# A second start finds the first, asks it to the front and leaves with 0.
XDG_DATA_HOME="$work/data" DISPLAY="$display" SDL_AUDIODRIVER=dummy \
  timeout 10 "$viewer" view "$level" >"$work/second.log" 2>&1
second=$?
if [ "$second" != 0 ] || ! kill -0 "$pid" 2>/dev/null; then
  echo "window_smoke: second start gave $second or ended the first" >&2
  exit 1
fi
if command -v import >/dev/null 2>&1; then
  DISPLAY="$display" import -window root "$work/shot.png" 2>/dev/null || true
fi
kill -TERM "$pid"
wait "$pid"
rc=$?
cat "$work/out.log"
if [ "$rc" != 0 ]; then
  echo "window_smoke: exit code $rc" >&2
  exit 1
fi
size=$(stat -c %s "$work/data/quirkvale/global.opt" 2>/dev/null || echo 0)
if [ "$size" != 36 ]; then
  echo "window_smoke: options not saved (size $size)" >&2
  exit 1
fi
echo "window_smoke: started, presented, kept one instance and shut down cleanly; options saved"
