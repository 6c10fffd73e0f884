#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from the start of the process to the first complete table on screen,
# under the offscreen platform: the median of several starts, in milliseconds.
# Usage: bench/startup.sh [build folder] [number of starts]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-11}
program=$(cd "$build" && pwd)/mirobelt

# A working folder like the one of `make run`: the data files and nothing else.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/data/* "$work"/
cd "$work"

times=()
for ((i = 0; i < runs; ++i)); do
    start=$(date +%s%6N)
    line=$(MIROBELT_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen "$program" 2>/dev/null | grep '^first-table ')
    shown=${line#first-table }
    times+=($(((shown - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to first table (ms), $runs starts: ${sorted[*]}"
echo "median ${sorted[$((runs / 2))]} ms"
