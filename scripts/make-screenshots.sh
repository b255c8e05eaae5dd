#!/usr/bin/env bash
# Remakes the manual's window pictures: builds vireo-screenshots into build/ (or the folder in
# $VIREO_BUILD_DIR) and writes docs/manual/images/<window>-de.png and -en.png. Run it again
# whenever a window changes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VIREO_BUILD_DIR:-$root/build}
images=$root/docs/manual/images

if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DVIREO_BUILD_GUI=ON >/dev/null
fi
cmake --build "$build" --target vireo-screenshots

mkdir -p "$images"
for language in Deutsch English; do
    QT_QPA_PLATFORM=offscreen "$build/bin/vireo-screenshots" "$images" "$language"
done
ls -l "$images"
