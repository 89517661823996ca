#!/bin/sh
# The tray agent at rest, in the test prefix (no display driver, no audio, no
# headset): its private anonymous resident memory (the "Anonymous" line of
# /proc/PID/smaps_rollup) once it has settled after start, and again after
# COUNT standbys with their resumes and COUNT language changes (agent_cycles),
# beside idle_window.exe, the least resident program (one hidden window and
# a message loop) built the same way; and the CPU time the agent takes over
# one idle minute (user and system clock ticks of /proc/PID/stat). Median of
# RUNS starts (default 3) each.
#   sh tools/tray_agent/measure.sh [RUNS] [COUNT]
set -eu
cd "$(dirname "$0")/../.."
export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
runs=${1:-3}
count=${2:-100}
bin=build/win64/bin
sh tools/wine/prefix.sh start
trap 'wine reg delete "HKLM\\Software\\Quorvel\\Tavimo" /f >/dev/null 2>&1; sh tools/wine/prefix.sh stop' EXIT
wine reg add "HKLM\\Software\\Quorvel\\Tavimo\\Directory" /v Path \
    /d "$(winepath -w "$bin")\\" /f >/dev/null

. tools/memory/settle.sh

# The settled memory of process $1; the measurement ends when it cannot be
# read.
settled() {
    kb=$(settled_kb "$1")
    [ -n "$kb" ] || { echo "measure.sh: could not read the memory of process $1" >&2; exit 1; }
    echo "$kb"
}

# User and system clock ticks that process $1 has used.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

baseline="" started="" cycled="" idle_cpu=""
for _ in $(seq "$runs"); do
    wine "$PWD/$bin/idle_window.exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    baseline="$baseline$(settled $pid)
"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true

    wine "$PWD/$bin/traysrv.exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    started="$started$(settled $pid)
"
    before=$(cpu_ticks $pid)
    sleep 60
    idle_cpu="$idle_cpu$(($(cpu_ticks $pid) - before))
"
    wine "$PWD/$bin/agent_cycles.exe" "$count" </dev/null >/dev/null 2>&1
    cycled="$cycled$(settled $pid)
"
    wine "$PWD/$bin/trayclose.exe" </dev/null >/dev/null 2>&1
    wait "$pid" 2>/dev/null || true
done

# shellcheck disable=SC2086  # each holds three numbers: median, min, max
set -- $(printf '%s' "$baseline" | summary) $(printf '%s' "$started" | summary) \
    $(printf '%s' "$cycled" | summary) $(printf '%s' "$idle_cpu" | summary)
printf '%-44s median %6d kB (min %d, max %d, %d starts)\n' \
    "idle_window.exe" "$1" "$2" "$3" "$runs" \
    "traysrv.exe after start" "$4" "$5" "$6" "$runs" \
    "traysrv.exe after $count standbys + $count languages" "$7" "$8" "$9" "$runs"
shift 9
printf '%-44s median %6d ticks (min %d, max %d; %s ticks a second)\n' \
    "traysrv.exe CPU over one idle minute" "$1" "$2" "$3" "$(getconf CLK_TCK)"
