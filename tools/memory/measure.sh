#!/bin/sh
# Idle memory of the control center over a virtual headset of each family
# (the demo, from its staged installation folder) beside Wine's own
# notepad.exe, in the test prefix (no display driver, no audio; the prefix
# holds the installation directory only while this runs): each program is
# started, left until its memory stops changing, and its private anonymous
# resident memory is read (the "Anonymous" line of /proc/PID/smaps_rollup: what the process
# itself allocated or copied, not the files it maps). Median of RUNS starts
# (default 5) each, and the ratio.
#   sh tools/memory/measure.sh [RUNS]
set -eu
cd "$(dirname "$0")/../.."
export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
runs=${1:-5}
sh tools/demo/stage.sh
program=build/win64/demo/TavimoDemo.exe
sh tools/wine/prefix.sh start
trap 'wine reg delete "HKLM\\Software\\Quorvel\\Tavimo" /f >/dev/null 2>&1; sh tools/wine/prefix.sh stop' EXIT
wine reg add "HKLM\\Software\\Quorvel\\Tavimo\\Directory" /v Path \
    /d "$(winepath -w build/win64/demo)\\" /f >/dev/null

. tools/memory/settle.sh

# Starts $1 (a full path: Wine then runs it in this very process) with the
# arguments that follow, prints its settled memory in kB and ends it.
idle_kb() {
    wine "$@" </dev/null >/dev/null 2>&1 &
    pid=$!
    kb=$(settled_kb "$pid")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -n "$kb" ] || echo "measure.sh: could not read the memory of $1" >&2
    echo "$kb"
}

measure() {
    values=""
    for _ in $(seq "$runs"); do
        value=$(idle_kb "$@")
        [ -n "$value" ] || exit 1
        values="$values$value
"
    done
    printf '%s' "$values" | summary
}

notepad=$(measure 'C:\windows\system32\notepad.exe')
older=$(measure "$program" --product 0B52)
newer=$(measure "$program" --product 0D31)
# shellcheck disable=SC2086  # each holds three numbers: median, min, max
set -- $notepad $older $newer
printf '%-30s median %6d kB anonymous resident (min %d, max %d, %d starts)\n' \
    notepad.exe "$1" "$2" "$3" "$runs" "TavimoDemo.exe --product 0B52" "$4" "$5" "$6" "$runs" \
    "TavimoDemo.exe --product 0D31" "$7" "$8" "$9" "$runs"
awk -v a="$4" -v b="$1" -v c="$7" 'BEGIN {
    printf "ratio demo / notepad.exe: older family %.2f, newer family %.2f\n", a / b, c / b }'
