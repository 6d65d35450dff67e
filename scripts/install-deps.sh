#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that are missing for one of two jobs:
#   install-deps.sh run    build, start and install the game (the default)
#   install-deps.sh test   the same plus everything the tests use
# Installing needs root or sudo. Without them it prints the one apt-get line
# to run and exits 2; on a system without apt it names the packages and
# exits 2.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libxkbcommon-dev libgl-dev
  qt6-translations-l10n qt6-qpa-plugins fonts-noto-core nlohmann-json3-dev
  qt6-tools-dev qt6-l10n-tools
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick xdotool sox python3
  desktop-file-utils appstream lintian
  clang clang-format libclang-rt-14-dev llvm locales
  at-spi2-core dbus python3-pyatspi
)

# The locale the locale-dependent tests switch to.
test_locale=de_DE.UTF-8

job=${1:-run}
case "$job" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

installed() {
  local status
  status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
  [[ "$status" == "install ok installed" ]]
}

has_test_locale() {
  local name
  while read -r name; do
    [[ "${name,,}" == de_de.utf8 || "${name,,}" == de_de.utf-8 ]] && return 0
  done < <(locale -a 2>/dev/null)
  return 1
}

missing=()
for p in "${packages[@]}"; do
  command -v dpkg-query >/dev/null && installed "$p" || missing+=("$p")
done
need_locale=false
[[ $job == test ]] && ! has_test_locale && need_locale=true
[[ ${#missing[@]} -eq 0 && $need_locale == false ]] && exit 0

if ! command -v apt-get >/dev/null; then
  echo "This system has no apt-get. Install these packages (Debian 12 names)" >&2
  echo "with its own package manager, then try again:" >&2
  echo "  ${missing[*]}" >&2
  $need_locale && echo "and generate the $test_locale locale." >&2
  exit 2
fi

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "Some packages are missing; as root, run:" >&2
    [[ ${#missing[@]} -gt 0 ]] && echo "apt-get install --no-install-recommends ${missing[*]}"
    $need_locale && echo "localedef -i de_DE -f UTF-8 $test_locale"
    exit 2
  fi
  sudo="sudo"
fi

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if $need_locale; then
  $sudo localedef -i de_DE -f UTF-8 "$test_locale"
fi
