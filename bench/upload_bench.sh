#!/usr/bin/env bash
# Upload of a full 510-byte image to the virtual module at 9600 baud: wall time of
# `vireo-cli upload` (process start, handshake, transfer, end frame), median of RUNS runs, and its
# ratio to the pure line time of the transfer (510 frames x 7 bytes x 10 bits / 9600 baud =
# 3.72 s). For comparison the same with a fixed 50 ms wait per frame
# (VIREO_FIXED_REPLY_WAIT_MS=50). Builds nothing: give a build folder with vireo-cli and
# vireo-module-sim. Usage: bench/upload_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
cli="$build/bin/vireo-cli"
sim="$build/bin/vireo-module-sim"
line_time=3.72

work=$(mktemp -d)
sim_pid=
cleanup() {
    if [[ -n "$sim_pid" ]]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# 83 rows with all four corners and a new on-time (6 bytes each) and one row with corner 1 and a
# new on-time (3 bytes): 9 header bytes + 501 = 510.
{
    printf '{\n  "model": "111",\n  "options": "00000000000000000000",\n  "sequences": [\n    [\n'
    for r in $(seq 0 82); do
        t=$(( r % 2 ? 1 : 2 ))
        printf '      {"time": "%s", "loop": "", "lamps": [1, 2, 3, 4]},\n' "$t"
    done
    printf '      {"time": "0,5", "loop": "", "lamps": [7, 0, 0, 0]}\n    ],\n    []\n  ]\n}\n'
} > "$work/full.json"
"$cli" write "$work/full.kvs" < "$work/full.json"
need=$("$cli" memory "$work/full.kvs")
length=$("$cli" image "$work/full.kvs" --module-type 5.1 | wc -w)
echo "document: $need of the memory, image of $length bytes"
[[ "$need" == "100 %" && "$length" == 510 ]] || { echo "the image is not 510 bytes" >&2; exit 1; }

"$sim" --link "$work/module" --baud 9600 --keep-running > "$work/sim.out" 2> "$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do grep -q '^READY' "$work/sim.out" 2>/dev/null && break; sleep 0.1; done
grep -q '^READY' "$work/sim.out" || { echo "the virtual module did not start" >&2; exit 1; }

# Runs the upload RUNS times with the environment changes given (as for env); prints each time
# and the median.
measure() {
    local label=$1; shift
    local times=()
    for i in $(seq "$runs"); do
        local start end out
        start=$(date +%s%N)
        out=$(env "$@" "$cli" upload "$work/full.kvs" --port "$work/module" 2>/dev/null)
        end=$(date +%s%N)
        [[ "$out" == "sent 510 bytes" ]] || { echo "$label run $i failed: $out" >&2; exit 1; }
        times+=($(( (end - start) / 1000000 )))
        echo "$label run $i: ${times[-1]} ms"
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    echo "$label median: ${median} ms = $(awk -v m="$median" -v l="$line_time" \
        'BEGIN { printf "%.2f", m / 1000 / l }') x the line time of ${line_time} s"
}

measure "reply-driven wait" -u VIREO_FIXED_REPLY_WAIT_MS
measure "fixed 50 ms wait" VIREO_FIXED_REPLY_WAIT_MS=50
