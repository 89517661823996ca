#!/bin/sh
# Captures every view of the control center, running as the demo over its
# virtual headset (each page of the full view, an open preset list, the
# microphone mute lit by the headset's button, the dialog of a launcher
# button without a program, the reduced and the mini view) and the demo's
# "Virtual headset" window into PNG files, under a virtual X display,
# driving them as a user would (clicks on the items, demo_ctl for the
# headset).
#   sh tools/screenshots/capture.sh [OUTDIR [DEMO OPTIONS...]]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb), ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
out=${1:-docs/screenshots}
[ $# -eq 0 ] || shift
bin=build/win64/bin
demo=build/win64/demo
[ -x "$bin/send_command.exe" ] || { echo "capture.sh: build the win64 preset first" >&2; exit 1; }
if [ -z "${TAVIMO_DISPLAY_READY:-}" ]; then
    TAVIMO_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" "$out" "$@"
fi

sh tools/demo/stage.sh
. tools/demo/prefix.sh
mkdir -p "$out"
wine "$demo/TavimoDemo.exe" "$@" </dev/null >/dev/null 2>&1 &

# Saves the rectangle $2 of the screen as $1.png.
shot() {
    import -window root -crop "$2" +repage "$out/$1.png"
    echo "$out/$1.png ($2)"
}

# Sends commands, waits for the window to redraw, and saves it as NAME.png.
view() {
    name=$1
    shift
    geometry=$(wine "$bin/send_command.exe" "$@" | tr -d '\r')
    sleep 1
    shot "$name" "$geometry"
}

# Runs demo_ctl until its status holds the text $1 (at most 10 seconds).
await_status() {
    for _ in $(seq 50); do
        wine "$demo/demo_ctl.exe" status 2>/dev/null | grep -q "$1" && return 0
        sleep 0.2
    done
    echo "capture.sh: the demo's status never showed '$1'" >&2
    return 1
}

await_status "headset:"
view full-headphone
view full-microphone c:203
view full-audio c:204
view full-talk c:205 h:204
wine "$demo/demo_ctl.exe" mute
await_status "mute button: lit"
view mute-lit c:202
view headphone-presets-open c:302
# The voice buttons without a program offer the Control Panel.
view unmapped-application d:302 c:205 c:333
view reduced esc c:202 c:998
view mini c:998
shot virtual-headset "$(wine "$bin/send_command.exe" --headset-window | tr -d '\r')"
wine "$bin/send_command.exe" 999 >/dev/null || true
wineserver -k || true
