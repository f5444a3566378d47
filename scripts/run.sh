#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target qinghe
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "The program needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set); to try it without one: xvfb-run -s '-screen 0 1024x768x24' build/bin/qinghe" >&2
  exit 1
fi
exec build/bin/qinghe
