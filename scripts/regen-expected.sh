#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes every tests/scripts/*.expected afresh from what qorza-play --pretty
# prints for its script (make expected builds qorza-play and runs this).
# Review the diff before committing it: each change is a change of play.
#   scripts/regen-expected.sh [QORZA_PLAY]   (build/bin/qorza-play by default)
set -eu
cd "$(dirname "$0")/.."
play=${1:-build/bin/qorza-play}

for script in tests/scripts/*.play; do
  name=${script%.play}
  status=0
  "$play" --pretty "$script" >"$name.expected" 2>/dev/null || status=$?
  want=0
  [ -f "$name.status" ] && want=$(cat "$name.status")
  if [ "$status" -ne "$want" ]; then
    echo "$script: qorza-play exited $status, expected $want" >&2
    exit 1
  fi
done
