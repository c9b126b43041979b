#!/usr/bin/env bash
# Installs the Debian packages the programs, the tools and the tests need,
# when they are missing.
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  libsdl2-dev libcairo2-dev libfontconfig-dev libpng-dev libx11-dev libxtst-dev libxdamage-dev
  fonts-ipafont-gothic fonts-liberation2
  xvfb xdotool x11-utils
  libgtest-dev libbenchmark-dev
  clang-format python3 strace
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
