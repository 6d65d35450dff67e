#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in one of its first three lines.
# Usage: licence_lines_test.sh SOURCE_ROOT
set -eu
cd "$1"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files)
else
  files=$(find . -path ./build\* -prune -o -type f -print | sed 's|^\./||')
fi
status=0
for file in $files; do
  case $file in
    *.cpp | *.h | *.sh | *.py | *.cmake | *.qrc | */CMakeLists.txt | CMakeLists.txt | Makefile | qorza | .ci/run) ;;
    *) continue ;;
  esac
  [ -f "$file" ] || continue
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "$file: no SPDX-License-Identifier line at the top"
    status=1
  fi
done
exit $status
