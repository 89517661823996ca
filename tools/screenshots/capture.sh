#!/bin/sh
# Captures every view of the control center (each page of the full view, an
# open preset list, the reduced and the mini view) into PNG files, under a
# virtual X display, driving it as a user would (clicks on its items).
#   sh tools/screenshots/capture.sh [OUTDIR]      (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb), ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
out=${1:-docs/screenshots}
bin=build/win64/bin
title="Tavimo Audio Control Center"
[ -x "$bin/TAVIMO.exe" ] || { echo "capture.sh: build the win64 preset first" >&2; exit 1; }
if [ -z "${TAVIMO_DISPLAY_READY:-}" ]; then
    TAVIMO_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi

. tools/screenshots/display_prefix.sh
mkdir -p "$out"
wine "$bin/TAVIMO.exe" </dev/null >/dev/null 2>&1 &

# Sends commands, waits for the window to redraw, and saves it as NAME.png.
view() {
    name=$1
    shift
    geometry=$(wine "$bin/send_command.exe" "$@" | tr -d '\r')
    sleep 1
    import -window root -crop "$geometry" +repage "$out/$name.png"
    echo "$out/$name.png ($geometry)"
}

tries=0
until wine "$bin/send_command.exe" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || { echo "capture.sh: no window titled $title" >&2; exit 1; }
    sleep 0.2
done
view full-headphone
view full-microphone c:203
view full-audio c:204
view full-talk c:205 h:204
view headphone-presets-open c:202 c:302
view reduced d:302 c:998
view mini c:998
wine "$bin/send_command.exe" 999 >/dev/null || true
wineserver -k || true
