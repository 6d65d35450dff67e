#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and be tested,
# when any of them is missing. Needs root or sudo for the install.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libxkbcommon-dev libgl-dev
  qt6-translations-l10n qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  fonts-noto-core
  xvfb xauth imagemagick xdotool sox python3
  desktop-file-utils appstream
  clang libclang-rt-14-dev locales
)

# A comma-decimal locale for the tests that numbers read the same everywhere.
need_locale() {
  ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'
}

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if need_locale; then
  echo "Generating the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
