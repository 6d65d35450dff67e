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
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
