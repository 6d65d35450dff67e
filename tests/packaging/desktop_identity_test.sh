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

# The splash window comes and goes while the game starts, so a window found
# may be gone by the time it is read: try the shown windows of the class
# until one answers with both its class and its icon.
icon_of() {
  # Read whole: cutting xprop's output short can kill it with SIGPIPE.
  local icon
  icon=$(xprop -id "$1" _NET_WM_ICON 2>/dev/null) || return 1
  printf '%s' "${icon:0:200}"
}
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  for window in $(xdotool search --onlyvisible --class "^${class}\$" 2>/dev/null); do
    wm_class=$(xprop -id "$window" WM_CLASS 2>/dev/null) || continue
    icon=$(icon_of "$window") || continue
    echo "$wm_class"
    [[ $wm_class =~ \"$class\"$ ]] || { echo "FAIL: the class is not '$class'"; exit 1; }
    [[ $icon == *"CARDINAL"* ]] || { echo "FAIL: the window has no icon: $icon"; exit 1; }
    echo "ok   window class '$class' and an icon"
    exit 0
  done
  sleep 0.2
done
echo "FAIL: no shown window of class '$class' could be read"
exit 1
