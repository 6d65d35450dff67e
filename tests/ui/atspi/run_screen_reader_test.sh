#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs screen_reader_test.py against GAME on an X server and a D-Bus session
# of its own (the accessibility bus and registry start on demand inside it).
# Usage: run_screen_reader_test.sh GAME [LOG]. Exits 77 (skipped) when the
# X server, D-Bus or the AT-SPI Python bindings are not installed.
set -euo pipefail

game=$1
log=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

python=
for candidate in /usr/bin/python3 python3; do
  if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
for tool in Xvfb dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
done
[[ -n $python ]] || { echo "skipped: python3-pyatspi is not installed" >&2; exit 77; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display and writes its number.
exec {display_fd}>"$work/display"
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

dbus-run-session -- "$python" "$here/screen_reader_test.py" "$game" $log 2> >(grep -v -e 'dbus-daemon' -e 'SpiRegistry' >&2)
