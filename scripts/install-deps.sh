#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and test.
# Does nothing when they are all present already.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-multimedia-dev qt6-tools-dev-tools libgl-dev
  libgif-dev libjpeg62-turbo-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-noto-cjk fonts-noto-color-emoji
  espeak-ng sox
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
