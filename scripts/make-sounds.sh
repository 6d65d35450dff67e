#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the game's six sound effects with sox: short chimes, 16-bit mono at
# 44.1 kHz, written to assets/sounds (or to the folder given as argument).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/assets/sounds}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# sox without randomness or dither, so the files come out the same each time.
sx() { sox -R -D -V1 "$@"; }

# note FILE START LENGTH NOTE: a plucked bell note that starts after START s.
note() {
  sx -n -r 44100 -b 16 -c 1 "$1" synth "$3" pluck "$4" \
    fade q 0.004 "$3" "$(echo "$3 * 0.7" | bc -l)" pad "$2" 0
}

# chime NAME START:LENGTH:NOTE ...: mixes the notes into NAME.wav, levelled.
chime() {
  local name="$1"
  shift
  local parts=() i=0
  for part in "$@"; do
    IFS=: read -r start length pitch <<<"$part"
    note "$work/$name-$i.wav" "$start" "$length" "$pitch"
    parts+=("$work/$name-$i.wav")
    i=$((i + 1))
  done
  if ((${#parts[@]} > 1)); then
    sx -m "${parts[@]}" "$work/$name-mix.wav"
  else
    cp "${parts[0]}" "$work/$name-mix.wav"
  fi
  sx "$work/$name-mix.wav" -r 44100 -b 16 -c 1 "$out/$name.wav" \
    highpass 120 lowpass 6000 gain -n -4 fade q 0 -0 0.05
}

chime ONE 0:0.35:E6                                  # an Ace: one bright note
chime TWO 0:0.3:C6 0.12:0.3:G6                      # the marked two: two notes up
chime TEN 0:0.25:C6 0.09:0.25:E6 0.18:0.35:G6       # the marked ten: three notes up
chime WIN_MAN 0:0.3:G5 0.1:0.3:B5 0.2:0.3:D6 0.3:0.45:G6        # the Jack takes the table
chime BORN_MAN 0:0.35:A5 0.14:0.35:F5 0.28:0.45:D5             # a Jack on an empty table
chime QORZA 0:0.3:C6 0.08:0.3:E6 0.16:0.3:G6 0.24:0.6:C7 0.24:0.6:E6  # a Qorza

for f in ONE TWO TEN WIN_MAN BORN_MAN QORZA; do
  printf '%s.wav %s s\n' "$f" "$(soxi -D "$out/$f.wav")"
done
