#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes i18n/qorza_en.ts from the texts of the windows (ui/), keeping
# every translation already made:
#   update-translations.sh            rewrite i18n/qorza_en.ts
#   update-translations.sh --check    change nothing; exit 1 when the file
#                                     misses a text of the windows, keeps one
#                                     they no longer have, or leaves one
#                                     untranslated
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-}
if [[ -z $lupdate ]]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" \
    "$(command -v lupdate || true)"; do
    [[ -n $candidate && -x $candidate ]] && lupdate=$candidate && break
  done
fi
[[ -n $lupdate ]] || { echo "lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 2; }

ts=$root/i18n/qorza_en.ts
refresh() {
  "$lupdate" -silent -no-obsolete -locations none -I "$root" -extensions cpp,h "$root/ui" -ts "$1"
}

if [[ ${1:-} != --check ]]; then
  refresh "$ts"
  exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$ts" "$scratch/qorza_en.ts"
refresh "$scratch/qorza_en.ts"
status=0
if ! diff -u "$ts" "$scratch/qorza_en.ts" >"$scratch/diff"; then
  echo "i18n/qorza_en.ts is not up to date with the windows' texts; run" >&2
  echo "scripts/update-translations.sh and translate what is new:" >&2
  cat "$scratch/diff" >&2
  status=1
fi
if grep -q 'type="unfinished"' "$ts"; then
  echo "i18n/qorza_en.ts leaves texts untranslated:" >&2
  grep -B2 'type="unfinished"' "$ts" | grep '<source>' >&2
  status=1
fi
exit $status
