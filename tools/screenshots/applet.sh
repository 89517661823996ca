#!/bin/sh
# Captures the Control Panel applet's dialog as Wine's control.exe opens it
# in the demo's prefix (over the demo's staged installation, no headset), in
# English and in German, into OUTDIR/applet.png and
# OUTDIR/german/applet.png.
#   sh tools/screenshots/applet.sh [OUTDIR]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb), ImageMagick (imagemagick) and xwininfo
# (x11-utils).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
on_virtual_display "$0" "$@"

# The X window of the applet's dialog once it shows (at most 20 seconds).
await_applet() {
    for _ in $(seq 100); do
        window=$(xwininfo -root -tree | grep '"Tavimo USB Audio Controls"' | awk '{print $1}' | head -n 1)
        [ -z "$window" ] || { echo "$window"; return 0; }
        sleep 0.2
    done
    echo "the applet's dialog never showed" >&2
    return 1
}

# WIDTHxHEIGHT+X+Y of X window $1.
geometry_of() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF }
        /Height:/ { h = $NF }
        END { printf "%dx%d+%d+%d\n", w, h, x, y }'
}

# Opens the applet with LANGUAGE stored and saves its dialog as FILE.
applet_shot() {
    wine reg add 'HKLM\Software\Quorvel\Tavimo\Language' /v Value /d "$1" /f >/dev/null 2>&1
    wine control.exe "$(winepath -w "$demo/tavictrl.cpl")" </dev/null >/dev/null 2>&1 &
    window=$(await_applet)
    sleep 1
    save_rect "$2" "$(geometry_of "$window")"
    # The prefix's programs are this script's own: the Control Panel ends
    # with them.
    wineserver -k || true
    wait || true
}

out=${1:-docs/screenshots}
enter_demo_prefix
applet_shot English "$out/applet.png"
applet_shot German "$out/german/applet.png"
