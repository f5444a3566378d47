#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and
# runs every test on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The code follows .clang-format (tables keep their hand layout between
# "clang-format off" and "on").
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-Werror
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
