#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The logic's layers include only downwards:
#   game/ (the state) < sound/ < rules/, scoring/ < game/flow/ (deal and turn)
# and none of them includes Qt, the windows or the tools.
# Usage: layers_test.sh SOURCE_ROOT
set -eu
cd "$1"
status=0

# check FOLDER ALLOWED-PREFIXES...: every quoted include in FOLDER (not its
# subfolders) starts with one of the allowed prefixes.
check() {
  folder=$1
  shift
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [ -e "$file" ] || continue
    grep -o '^#include "[^"]*"' "$file" | sed 's/^#include "\(.*\)"$/\1/' |
      while read -r included; do
        ok=no
        for allowed in "$@"; do
          case $included in "$allowed"*) ok=yes ;; esac
        done
        case $included in game/flow/*) [ "$folder" = game/flow ] || ok=no ;; esac
        if [ $ok = no ]; then
          echo "$file includes $included, above its layer"
          echo bad
        fi
      done
  done
}

out=$(
  check game game/
  check sound game/ sound/
  check rules/player1 game/ sound/ rules/
  check rules/player2 game/ sound/ rules/
  check rules/compact game/ rules/compact/
  check rules/expert game/ sound/ rules/
  check scoring game/ sound/ scoring/
  check game/flow game/ sound/ rules/ scoring/
)
if [ -n "$out" ]; then
  printf '%s\n' "$out" | grep -v '^bad$'
  status=1
fi
if grep -rln '#include <Q' game rules scoring sound; then
  echo "the files above include Qt; the logic is plain C++"
  status=1
fi
exit $status
