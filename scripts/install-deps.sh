#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and test.
# Does nothing when they are all present already.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev-tools libgl-dev
  libgif-dev libjpeg62-turbo-dev libfontconfig-dev libxcb1-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-noto-cjk fonts-noto-color-emoji
  espeak-ng sox tuxpaint-stamps-default
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth openbox libxcb-xtest0-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Please install these Debian packages as root first: ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
