#!/usr/bin/env bash
# Builds the decoders' libFuzzer targets (fuzz/) with clang, AddressSanitizer
# (leak checking on) and UndefinedBehaviorSanitizer into build-fuzz/, then
# runs each for SECONDS (0: build only), seeded from small pictures and
# sounds that build-fuzz/bin/fuzz_seeds makes and from the regression
# corpora in fuzz/corpus/. Inputs that crash, leak or run out of memory land
# in build-fuzz/artifacts/; copy them into fuzz/corpus/<target>/ once fixed.
# giflib and libjpeg are Debian's own, not instrumented: the sanitizers watch
# the program's decoding code, not the inside of those libraries.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  apt-get update && apt-get install -y clang libclang-rt-dev
fi
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
cmake --build build-fuzz -j3
[ "$seconds" = 0 ] && exit 0

seeds=build-fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds" build-fuzz/artifacts
build-fuzz/bin/fuzz_seeds "$seeds"

# Leaks are reported; the quarantine of freed memory is kept small, so that
# what ASan holds back does not count towards the fuzzer's RSS limit.
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1:quarantine_size_mb=64
status=0
: >build-fuzz/run-start
for target in fuzz_bmp fuzz_gif fuzz_jpeg fuzz_wav; do
  work=build-fuzz/corpus/$target
  log=build-fuzz/$target.log
  mkdir -p "$work"
  echo "== $target for ${seconds}s"
  code=0
  build-fuzz/bin/$target -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=262144 -timeout=10 \
    -artifact_prefix=build-fuzz/artifacts/$target- -print_final_stats=1 \
    "$work" "fuzz/corpus/$target" "$seeds/$target" >"$log" 2>&1 || code=$?
  # libFuzzer's closing lines ("#N<TAB>DONE ...", "Done N runs in T second(s)"),
  # its counts, and any report.
  grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs|stat::(number_of_executed_units|peak_rss_mb)|ERROR|SUMMARY' "$log" || true
  if [ "$code" != 0 ] || [ -n "$(find build-fuzz/artifacts -name "$target-*" -newer build-fuzz/run-start)" ]; then
    echo "!! $target failed (exit $code); see $log"
    status=1
  fi
done
exit $status
