#!/bin/sh
# Time and peak memory of the layout checker (optimised build) on a generated
# layout of at least MEGABYTES (default 10) made of copies of layout 12001.
#   sh tools/layout_check/measure.sh [MEGABYTES]
set -eu
cd "$(dirname "$0")/../.."
sh scripts/build.sh bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v bytes=$((${1:-10} * 1000 * 1000)) -f tools/layout_check/generate_layout.awk \
    control_center/resources/layouts/12001.txt >"$work/layout.txt"
bytes=$(wc -c <"$work/layout.txt")
/usr/bin/time -v build/bench/bin/layout_check "$work/layout.txt" >"$work/problems.txt" \
    2>"$work/time.txt" || {
    echo "layout_check failed; its first problems:"
    head "$work/problems.txt" "$work/time.txt"
    exit 1
}
seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
kbytes=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
echo "text: $bytes bytes"
echo "time: $seconds (m:ss)"
echo "peak memory: $kbytes kB, $(awk -v k="$kbytes" -v b="$bytes" \
    'BEGIN { printf "%.2f", k * 1024 / b }') times the text"
