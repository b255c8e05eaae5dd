#!/usr/bin/env bash
# Renders resources/icons/*.svg into the committed PNG sizes and the Windows .ico files.
# Needs the Qt 6 development packages the project builds with (qt6-base-dev, qt6-svg-dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -fPIC -O1 -o "$work/render_icons" "$root/scripts/render_icons.cpp" \
    $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/render_icons" "$root/resources/icons"
