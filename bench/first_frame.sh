#!/usr/bin/env bash
# Process start to the main window's first frame: starts the program under a
# private Xvfb display and times until its window is mapped and painted
# (the window becomes viewable), over several runs.
set -euo pipefail
bin=${1:-build/bin}
[ -x "$bin/qinghe" ] || { echo "no $bin/qinghe: build it first" >&2; exit 1; }
runs=${RUNS:-10}
display=:97
Xvfb $display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display XDG_RUNTIME_DIR=$(mktemp -d)
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$bin/qinghe" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 5000); do
    xwininfo -name "青禾幼儿智能早教系统" 2>/dev/null | grep -q 'IsViewable' && break
    sleep 0.002
  done
  end=$(date +%s%N)
  echo "run $i: $(( (end - start) / 1000000 )) ms"
  kill $pid; wait $pid 2>/dev/null || true
done
