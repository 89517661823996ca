#!/bin/sh
# Captures the Control Panel applet's dialog as Wine's control.exe opens it
# in the demo's prefix (over the demo's staged installation, no headset), in
# English and in German, into OUTDIR/applet.png and
# OUTDIR/german/applet.png.
#   sh tools/screenshots/applet.sh [OUTDIR]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb) and ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
on_virtual_display "$0" "$@"

# The applet's dialog's geometry once it shows (at most 20 seconds).
await_applet() {
    for _ in $(seq 50); do
        if geometry=$(wine "$bin/send_command.exe" --dialog "Tavimo USB Audio Controls" 2>/dev/null); then
            echo "$geometry" | tr -d '\r'
            return 0
        fi
        sleep 0.2
    done
    echo "the applet's dialog never showed" >&2
    return 1
}

# Opens the applet with LANGUAGE stored and saves its dialog as FILE.
applet_shot() {
    wine reg add 'HKLM\Software\Quorvel\Tavimo\Language' /v Value /d "$1" /f >/dev/null 2>&1
    wine control.exe "$(winepath -w "$demo/tavictrl.cpl")" </dev/null >/dev/null 2>&1 &
    geometry=$(await_applet)
    sleep 1
    save_rect "$2" "$geometry"
    # The prefix's programs are this script's own: the Control Panel ends
    # with them.
    wineserver -k || true
    wait || true
}

out=${1:-docs/screenshots}
enter_demo_prefix
# Without a window manager on the virtual display, Wine draws the dialog's
# caption itself only for windows it does not hand to one.
x11='HKCU\Software\Wine\X11 Driver'
wine reg add "$x11" /v Managed /d N /f >/dev/null 2>&1
# The staged folder where the product's setup would put it, so that the
# pictures show an installation's path rather than the build tree's (the
# demo's prefix writes its own path again at its next start).
installed="$WINEPREFIX/drive_c/Program Files/Quorvel/Tavimo"
mkdir -p "$(dirname "$installed")"
ln -sfn "$PWD/$demo" "$installed"
wine reg add 'HKLM\Software\Quorvel\Tavimo\Directory' /v Path /d 'C:\Program Files\Quorvel\Tavimo\' /f >/dev/null 2>&1
applet_shot English "$out/applet.png"
applet_shot German "$out/german/applet.png"
wine reg delete "$x11" /v Managed /f >/dev/null 2>&1
rm "$installed"
wineserver -k || true
