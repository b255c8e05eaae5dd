#!/usr/bin/env bash
# Builds the libFuzzer target of the .kvs reader and comparison with clang and runs it.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60). Findings are written to build-fuzz/findings/,
# the grown corpus stays in build-fuzz/kvs-corpus/ for the next run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${VIREO_FUZZ_BUILD:-$root/build-fuzz}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVIREO_FUZZ=ON -DVIREO_BUILD_GUI=OFF -DVIREO_BUILD_TESTS=OFF \
    >/dev/null
cmake --build "$build" --target kvs_fuzz --parallel "${VIREO_FUZZ_JOBS:-$(nproc)}"
mkdir -p "$build/kvs-corpus" "$build/findings"
cp -n "$root"/tests/data/*.kvs "$build/kvs-corpus/" 2>/dev/null || true
ASAN_OPTIONS=detect_leaks=0 "$build/bin/kvs_fuzz" -max_total_time="$seconds" -max_len=4096 \
    -dict="$root/fuzz/kvs.dict" -artifact_prefix="$build/findings/" -print_final_stats=1 \
    "$build/kvs-corpus"
