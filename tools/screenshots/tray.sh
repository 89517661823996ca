#!/bin/sh
# Captures the tray agent's menu and about box in the six languages, as the
# agent shows them from the demo's staged installation in the demo's prefix,
# into OUTDIR/tray-menu.png and tray-about.png (English) and
# OUTDIR/LANGUAGE/tray-menu.png and tray-about.png.
#   sh tools/screenshots/tray.sh [OUTDIR]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb) and ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
on_virtual_display "$0" "$@"

# Starts the agent, opens WHAT (menu or about) and saves it as FILE; then
# ends the agent as trayclose does.
tray_shot() {
    wine "$demo/traysrv.exe" </dev/null >/dev/null 2>&1 &
    geometry=$(wine "$bin/tray_shot.exe" "$1" | tr -d '\r')
    sleep 1
    save_rect "$2" "$geometry"
    wine "$demo/trayclose.exe" </dev/null >/dev/null 2>&1
    wait || true
}

out=${1:-docs/screenshots}
enter_demo_prefix
# Without a window manager on the virtual display, Wine draws the about
# box's caption itself only for windows it does not hand to one.
x11='HKCU\Software\Wine\X11 Driver'
wine reg add "$x11" /v Managed /d N /f >/dev/null 2>&1
for language in English German Spanish French Italian Dutch; do
    folder=$out
    [ "$language" = English ] || folder=$out/$(echo "$language" | tr 'A-Z' 'a-z')
    wine reg add 'HKLM\Software\Quorvel\Tavimo\Language' /v Value /d "$language" /f >/dev/null 2>&1
    tray_shot menu "$folder/tray-menu.png"
    tray_shot about "$folder/tray-about.png"
done
wine reg delete "$x11" /v Managed /f >/dev/null 2>&1
wineserver -k || true
