#!/usr/bin/env bash
# Builds a release of Vireo into build-deb/ (or the folder given as $1) and makes the Debian
# package from it with CPack. Prints the path of the .deb as the last line on stdout; the build's
# own output goes to stderr.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-deb}
"$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIREO_BUILD_TESTS=OFF \
    -DVIREO_BUILD_GUI=ON -DVIREO_BUILD_BENCH=OFF -DVIREO_SANITIZE=OFF -DVIREO_FUZZ=OFF >&2
cmake --build "$build" --parallel "$(nproc)" >&2
rm -f "$build"/vireo_*.deb
(cd "$build" && cpack -G DEB) >&2
deb=$(find "$build" -maxdepth 1 -name 'vireo_*.deb' -print -quit)
if [ -z "$deb" ]; then
    echo "build-deb: cpack made no package" >&2
    exit 1
fi
echo "$deb"
