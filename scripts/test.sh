#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the layering and text-id checks, the
# tests under CTest, and the core tests again under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/check-layering.sh"
"$root/scripts/check-text-ids.sh"
"$root/scripts/build.sh" "$root/build"
export QT_QPA_PLATFORM=offscreen
(cd "$root/build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
if [ "${VIREO_SKIP_SANITIZERS:-0}" != "1" ]; then
    "$root/scripts/build.sh" "$root/build-asan" -DVIREO_SANITIZE=ON -DVIREO_BUILD_GUI=OFF
    (cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
fi
if [ "${VIREO_SKIP_PACKAGE:-0}" != "1" ]; then "$root/scripts/check-package.sh"; fi
