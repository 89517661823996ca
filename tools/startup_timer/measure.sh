#!/bin/sh
# Start-up of the control center beside Wine's own notepad.exe, in the test
# prefix (no display driver, no audio), median of RUNS starts (default 10).
#   sh tools/startup_timer/measure.sh [RUNS]
set -eu
cd "$(dirname "$0")/../.."
export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sh tools/wine/prefix.sh start
wine build/win64/bin/startup_timer.exe "${1:-10}" \
    "notepad.exe" "Untitled - Notepad" \
    "$(winepath -w build/win64/bin/TAVIMO.exe)" "Tavimo Audio Control Center"
sh tools/wine/prefix.sh stop
