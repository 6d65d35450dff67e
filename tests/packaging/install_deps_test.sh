#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The dependency installer on machines it cannot or need not install on:
# without root and sudo it prints the apt-get line and exits 2, without apt
# it names the packages and exits 2, and with everything present it does
# nothing. Fake dpkg-query, id, apt-get and locale stand in for the real ones.
set -uo pipefail

installer=$(readlink -f "$1")
bash=$(command -v bash)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# fake NAME BODY: a command in the fake PATH.
fake() {
  printf '#!%s\n%s\n' "$bash" "$2" >"$work/bin/$1"
  chmod +x "$work/bin/$1"
}

# machine UID INSTALLED [COMMAND...]: a fresh fake PATH for one machine;
# INSTALLED is "all" or "none".
machine() {
  rm -rf "$work/bin" "$work/apt.log"
  mkdir -p "$work/bin"
  fake id "echo $1"
  if [[ $2 == all ]]; then
    fake dpkg-query "echo -n 'install ok installed'"
    fake locale "echo C; echo de_DE.utf8"
  else
    fake dpkg-query "exit 1"
    fake locale "echo C"
  fi
  shift 2
  for c in "$@"; do
    fake "$c" "echo $c \"\$*\" >>'$work/apt.log'"
  done
}

# expect NAME STATUS PATTERN [!PATTERN] -- ARGS: runs the installer.
expect() {
  local name=$1 status=$2 want=$3 unwanted=$4 out rc
  shift 5
  out=$(PATH="$work/bin" "$bash" "$installer" "$@" 2>&1)
  rc=$?
  if [[ $rc -ne $status ]]; then
    echo "FAIL $name: status $rc, not $status"$'\n'"$out"
    failures=$((failures + 1))
  elif [[ -n $want && ! $out =~ $want ]]; then
    echo "FAIL $name: no match for '$want' in:"$'\n'"$out"
    failures=$((failures + 1))
  elif [[ -n $unwanted && $out =~ $unwanted ]]; then
    echo "FAIL $name: '$unwanted' appears in:"$'\n'"$out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

machine 1000 none apt-get
expect "no root, no sudo: the run line" 2 \
  $'\napt-get install --no-install-recommends build-essential .*qt6-base-dev' \
  'libgtest-dev|xvfb|command not found' -- run
expect "no root, no sudo: the test line adds the test tools" 2 \
  'apt-get install .*qt6-base-dev.* libgtest-dev .*xvfb.*'$'\n''localedef -i de_DE' \
  'command not found' -- test
[[ ! -e $work/apt.log ]] || { echo "FAIL apt-get ran without root"; failures=$((failures + 1)); }

machine 0 none
expect "no apt: names the packages" 2 'no apt-get.*build-essential cmake' \
  'command not found' -- run

machine 1000 all
expect "everything present: nothing to do" 0 '' '.' -- test

machine 0 none apt-get localedef
expect "root: installs only the run set" 0 'Installing: build-essential' '' -- run
if ! grep -q '^apt-get install .*qt6-base-dev' "$work/apt.log" ||
  grep -q 'libgtest-dev' "$work/apt.log"; then
  echo "FAIL root: apt-get was called as:"; cat "$work/apt.log"
  failures=$((failures + 1))
fi

machine 0 none
expect "unknown job" 2 'usage' '' -- play

exit $((failures > 0))
