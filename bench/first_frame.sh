#!/usr/bin/env bash
# Start-up and lesson opening, measured side by side on a private Xvfb
# display (and a private PulseAudio null sink when no sound server answers):
#  1. process start to the first painted frame of the main window, beside a
#     bare Qt window with one Chinese label (the floor), run in turns;
#  2. every built lesson opened through the menu's launcher (lesson_open):
#     median and slowest click-to-first-frame, memory after all visits.
# Usage: bench/first_frame.sh [BIN_DIR]   (RUNS=20 start-ups of each,
# ROUNDS=3 rounds of lesson visits, LESSONS=0 skips part 2)
set -euo pipefail
bin=${1:-build/bin}
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
# One unmeasured start of each, so both read from a warm file cache.
watch "bare window" "$bin/bare_window" >/dev/null
watch "青禾幼儿智能早教系统" "$bin/qinghe" >/dev/null
: >"$runtime/bare"
: >"$runtime/program"
for i in $(seq "$runs"); do
  watch "bare window" "$bin/bare_window" >>"$runtime/bare"
  watch "青禾幼儿智能早教系统" "$bin/qinghe" >>"$runtime/program"
done

# Median and fastest of one field over the runs.
stats() {
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -n |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f %.1f", m, v[1] }'
}
read -r bare_med bare_min <<<"$(stats frame_ms "$runtime/bare")"
read -r prog_med prog_min <<<"$(stats frame_ms "$runtime/program")"
read -r bare_map _ <<<"$(stats mapped_ms "$runtime/bare")"
read -r prog_map _ <<<"$(stats mapped_ms "$runtime/program")"
read -r bare_rss _ <<<"$(stats rss_kb "$runtime/bare")"
read -r prog_rss _ <<<"$(stats rss_kb "$runtime/program")"
echo "start to first frame over $runs runs each (median, fastest; window mapped at; memory at first frame):"
awk -v bm="$bare_med" -v bf="$bare_min" -v ba="$bare_map" -v br="$bare_rss" \
    -v pm="$prog_med" -v pf="$prog_min" -v pa="$prog_map" -v pr="$prog_rss" 'BEGIN {
  printf "  bare Qt window: %6.1f ms %6.1f ms  mapped %6.1f ms  %5.1f MB\n", bm, bf, ba, br / 1024
  printf "  program:        %6.1f ms %6.1f ms  mapped %6.1f ms  %5.1f MB\n", pm, pf, pa, pr / 1024
  printf "  program / bare: %.2f (median)\n", pm / bm
}'

if [ "${LESSONS:-1}" != 0 ]; then
  echo "lesson opening (menu click to the lesson window's first frame):"
  "$bin/lesson_open" | sed 's/^/  /'
fi
