#!/bin/sh
# The Wine server requests that a start costs each program of measure.sh:
# those of its user-interface thread until its first window is created, and
# from there until it first waits for input with nothing pending (the moment
# measure.sh times). Each request is a round trip to the server; unlike
# times, the counts hardly change from one run or machine to the next. Each
# program is started as measure.sh starts it, once after one start that is
# not counted, under a server that logs every request.
#   sh tools/startup_timer/requests.sh
set -eu
cd "$(dirname "$0")/../.."
export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sh tools/demo/stage.sh
sh tools/wine/prefix.sh start
log=$(mktemp)
trap 'wine reg delete "HKLM\\Software\\Quorvel\\Tavimo" /f >/dev/null 2>&1; sh tools/wine/prefix.sh stop; rm -f "$log"' EXIT
folder=$(winepath -w build/win64/demo)
wine reg add "HKLM\\Software\\Quorvel\\Tavimo\\Directory" /v Path /d "$folder\\" /f >/dev/null
# A server that logs every request takes the quiet one's place; appending,
# so that the log can be emptied before each program.
wineserver -k
wineserver -w
wineserver -f -d1 2>>"$log" &
title="Tavimo Audio Control Center"
count() {
    : >"$log"
    wine build/win64/bin/startup_timer.exe 1 "$2" "$3" >/dev/null
    awk -v program="$1" -f tools/startup_timer/requests.awk "$log" "$log"
}
count notepad.exe "notepad.exe" "Untitled - Notepad"
count TavimoDemo.exe "$folder\\TavimoDemo.exe --product 0B52" "$title"
count TavimoDemo.exe "$folder\\TavimoDemo.exe --product 0D31" "$title"
