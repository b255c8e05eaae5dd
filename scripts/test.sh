#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the layering and text-id checks, the
# Windows branches through the cross compiler, the tests under CTest, the core tests again under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the fuzz target for a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/check-layering.sh"
"$root/scripts/check-text-ids.sh"
"$root/scripts/build.sh" "$root/build"
"$root/scripts/check-windows.sh" "$root/build"
export QT_QPA_PLATFORM=offscreen
(cd "$root/build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
if [ "${VIREO_SKIP_SANITIZERS:-0}" != "1" ]; then
    "$root/scripts/build.sh" "$root/build-asan" -DVIREO_SANITIZE=ON -DVIREO_BUILD_GUI=OFF
    (cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
fi
# The fuzz target builds and runs a few seconds, so it cannot rot unseen; it needs clang with
# libFuzzer, which scripts/install-deps.sh installs (VIREO_SKIP_FUZZ=1 leaves it out).
if [ "${VIREO_SKIP_FUZZ:-0}" != "1" ]; then
    probe=$(mktemp -d)
    echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
        >"$probe/probe.cpp"
    if clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1; then
        "$root/scripts/fuzz.sh" "${VIREO_FUZZ_SECONDS:-10}"
    else
        echo "test.sh: clang with libFuzzer is missing (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
    rm -rf "$probe"
fi
if [ "${VIREO_SKIP_PACKAGE:-0}" != "1" ]; then "$root/scripts/check-package.sh"; fi
