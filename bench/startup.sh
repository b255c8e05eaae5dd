#!/usr/bin/env bash
# Time from process start to the shown main window, less the splash minimum: median of N runs
# under Xvfb. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config/Kelvor"
printf '[Kelvor_E_F]\nLanguage=Deutsch\nFahrzeug_Type=111\n' > "$home/.config/Kelvor/Vireo.conf"
results=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    line=$(HOME="$home" XDG_CONFIG_HOME="$home/.config" VIREO_STARTUP_REPORT=1 \
        xvfb-run -a "$build/bin/vireo")
    end=$(date +%s%N)
    splash=$(echo "$line" | sed -E 's/.*splash minimum ([0-9]+) ms.*/\1/')
    total=$(( (end - start) / 1000000 ))
    results+=($(( total - splash )))
    echo "run: $line; process wall time ${total} ms"
done
median=$(printf '%s\n' "${results[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median start-up beyond the splash minimum (incl. Xvfb start): ${median} ms"
