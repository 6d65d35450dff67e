#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running game as a dock sees it, on an X display: its window class is
# the desktop entry's StartupWMClass and it carries an icon.
# Usage: desktop_identity_test.sh QORZA_BINARY DESKTOP_FILE (under xvfb-run).
set -euo pipefail

binary=$1
desktop=$2
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ -n $class ]] || { echo "FAIL: $desktop has no StartupWMClass"; exit 1; }

QT_QPA_PLATFORM=xcb QORZA_TEST=1 "$binary" >/dev/null 2>&1 &
game=$!
trap 'kill $game 2>/dev/null; wait $game 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --class "^${class}\$" | head -n 1) || {
  echo "FAIL: no window of class '$class' appeared"
  exit 1
}
wm_class=$(xprop -id "$window" WM_CLASS)
echo "$wm_class"
[[ $wm_class =~ \"$class\"$ ]] || { echo "FAIL: the class is not '$class'"; exit 1; }

# Read whole: cutting xprop's output short can kill it with SIGPIPE, which
# pipefail would take for a failure.
icon=$(xprop -id "$window" _NET_WM_ICON)
icon=${icon:0:200}
[[ $icon == *"CARDINAL"* ]] || { echo "FAIL: the window has no icon: $icon"; exit 1; }
echo "ok   window class '$class' and an icon"
