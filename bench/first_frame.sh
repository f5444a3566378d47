#!/usr/bin/env bash
# Start-up and lesson opening, measured side by side on a private Xvfb
# display (and a private PulseAudio null sink when no sound server answers):
#  1. process start to the first painted frame of the main window, beside a
#     bare Qt window with one Chinese label (the floor), run in turns;
#  2. every built lesson opened through the menu's launcher (lesson_open):
#     median and slowest click-to-first-frame, memory after all visits.
# Usage: bench/first_frame.sh [BIN_DIR [EARLIER_BIN_DIR]]
#   RUNS=20 start-ups of each, ROUNDS=3 rounds of lesson visits, LESSONS=0
#   leaves out the lesson visits. With an earlier build's folder both builds
#   are measured in turns, start-ups and lesson visits.
set -euo pipefail
bin=${1:-build/bin}
before=${2:-}
runs=${RUNS:-20}
for exe in qinghe bare_window first_frame_watch lesson_open; do
  [ -x "$bin/$exe" ] || { echo "no $bin/$exe: build it first" >&2; exit 1; }
done

runtime=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null || true; done
  rm -rf "$runtime"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -br -screen 0 1280x800x24 -nolisten tcp 3>"$runtime/display" >"$runtime/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$runtime/display" ] && break; sleep 0.05; done
[ -s "$runtime/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$runtime/display")
echo "display: $DISPLAY"

# The sound server: the caller's when one answers, otherwise a null sink.
if ! pactl info >/dev/null 2>&1 && command -v pulseaudio >/dev/null; then
  export XDG_RUNTIME_DIR=$runtime HOME=$runtime
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
    -L "module-null-sink sink_name=null" -L module-native-protocol-unix 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
fi
if pactl info >/dev/null 2>&1; then
  echo "sound server: $(pactl info | sed -n 's/^Default Sink: //p')"
else
  echo "sound server: none"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$runtime}

watch() { "$bin/first_frame_watch" --title "$1" -- "$2"; }
# The programs measured in turns: the floor, this build, and an earlier
# build's folder when one is given.
names=("bare Qt window" "program")
titles=("bare window" "青禾幼儿智能早教系统")
exes=("$bin/bare_window" "$bin/qinghe")
if [ -n "$before" ]; then
  names+=("earlier build")
  titles+=("青禾幼儿智能早教系统")
  exes+=("$before/qinghe")
fi
# One unmeasured start of each, so all read from a warm file cache.
for k in "${!exes[@]}"; do
  watch "${titles[$k]}" "${exes[$k]}" >/dev/null
  : >"$runtime/run$k"
done
for i in $(seq "$runs"); do
  for k in "${!exes[@]}"; do
    watch "${titles[$k]}" "${exes[$k]}" >>"$runtime/run$k"
  done
done

# Median and fastest of one field over the runs.
stats() {
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -n |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f %.1f", m, v[1] }'
}
echo "start to first frame over $runs runs each (median, fastest; window mapped at; memory at first frame):"
read -r floor _ <<<"$(stats frame_ms "$runtime/run0")"
for k in "${!exes[@]}"; do
  read -r med fastest <<<"$(stats frame_ms "$runtime/run$k")"
  read -r mapped _ <<<"$(stats mapped_ms "$runtime/run$k")"
  read -r rss _ <<<"$(stats rss_kb "$runtime/run$k")"
  awk -v n="${names[$k]}" -v m="$med" -v f="$fastest" -v a="$mapped" -v r="$rss" -v b="$floor" 'BEGIN {
    printf "  %-15s %6.1f ms %6.1f ms  mapped %6.1f ms  %5.1f MB  %.2f x bare\n", n ":", m, f, a, r / 1024, m / b
  }'
done

if [ "${LESSONS:-1}" != 0 ]; then
  echo "lesson opening (menu click to the lesson window's first frame):"
  "$bin/lesson_open" >"$runtime/open-after"
  if [ -n "$before" ] && [ -x "$before/lesson_open" ]; then
    "$before/lesson_open" >"$runtime/open-before"
    echo "  earlier build:"
    grep -E '^(lessons|first|later|all|page|rss|resident)' "$runtime/open-before" | sed 's/^/    /'
    echo "  this build:"
  fi
  sed 's/^/    /' "$runtime/open-after"
fi
