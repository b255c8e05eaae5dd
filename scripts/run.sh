#!/usr/bin/env bash
# Installs what is needed, builds, and starts the editor. Extra arguments go to the editor
# (for example the path of a .kvs file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the editor under Xvfb (see README)." >&2
    exec xvfb-run -a "$root/build/bin/vireo" "$@"
fi
exec "$root/build/bin/vireo" "$@"
