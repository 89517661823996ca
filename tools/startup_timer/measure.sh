#!/bin/sh
# Start-up of the control center over a virtual headset of each family (the
# demo, from its staged installation folder) beside Wine's own notepad.exe,
# in the test prefix (no display driver, no audio), median of RUNS starts
# (default 10). The virtual headset takes the system's pauses, so the newer
# family's start includes the 250 ms before its DSP download. The prefix
# holds the installation directory only while this runs.
#   sh tools/startup_timer/measure.sh [RUNS]
set -eu
cd "$(dirname "$0")/../.."
export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sh tools/demo/stage.sh
sh tools/wine/prefix.sh start
trap 'wine reg delete "HKLM\\Software\\Quorvel\\Tavimo" /f >/dev/null 2>&1; sh tools/wine/prefix.sh stop' EXIT
folder=$(winepath -w build/win64/demo)
wine reg add "HKLM\\Software\\Quorvel\\Tavimo\\Directory" /v Path /d "$folder\\" /f >/dev/null
demo="$folder\\TavimoDemo.exe"
title="Tavimo Audio Control Center"
wine build/win64/bin/startup_timer.exe "${1:-10}" \
    "notepad.exe" "Untitled - Notepad" \
    "$demo --product 0B52" "$title" \
    "$demo --product 0D31" "$title"
