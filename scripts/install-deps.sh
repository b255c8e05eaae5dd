#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vireo need.
# Safe to run again: packages already present are left as they are.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6-dev libqt6serialport6-dev qt6-qpa-plugins libgl-dev
    libgif-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    g++-mingw-w64-x86-64-posix
    xvfb xauth xdotool fonts-dejavu-core
    shared-mime-info desktop-file-utils
    dpkg-dev file
    python3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
