#!/usr/bin/env bash
# Builds the decoders' libFuzzer targets (fuzz/) with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer into build-fuzz/, then runs each for SECONDS
# (0: build only), seeded from the generated pictures and sounds and from the
# regression corpora in fuzz/corpus/. Inputs that crash land in
# build-fuzz/artifacts/; copy them into fuzz/corpus/<target>/ once fixed.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  apt-get update && apt-get install -y clang libclang-rt-dev
fi
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
cmake --build build-fuzz -j3
[ "$seconds" = 0 ] && exit 0

# Seeds: what the build generated (pictures in build/tools/content, sounds in
# the media folders under build/bin), a handful of each kind.
seeds=build-fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds"/{fuzz_bmp,fuzz_gif,fuzz_jpeg,fuzz_wav} build-fuzz/artifacts
# (Read whole, not through head: a pipe cut short would end the script.)
copy_some() {
  local files
  mapfile -t files < <(find "$1" -name "$2" -type f 2>/dev/null | sort)
  for f in "${files[@]:0:$4}"; do cp "$f" "$seeds/$3/"; done
}
copy_some build/tools/content '*.bmp' fuzz_bmp 20
copy_some build/tools/content '*.gif' fuzz_gif 20
copy_some build/tools/content '*.jpg' fuzz_jpeg 20
copy_some build/bin '*.dat' fuzz_wav 20

export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=0
status=0
for target in fuzz_bmp fuzz_gif fuzz_jpeg fuzz_wav; do
  work=build-fuzz/corpus/$target
  mkdir -p "$work"
  echo "== $target for ${seconds}s"
  build-fuzz/bin/$target -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=262144 -timeout=10 \
    -artifact_prefix=build-fuzz/artifacts/$target- -print_final_stats=1 \
    "$work" "fuzz/corpus/$target" "$seeds/$target" 2>&1 | grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|ERROR|SUMMARY|== ' || true
  [ -n "$(ls build-fuzz/artifacts/$target-* 2>/dev/null)" ] && status=1
done
exit $status
