#!/bin/sh
# Stages the demo's installation folder, build/win64/demo/, as the product's
# setup would lay out an installation: the demo program and demo_ctl, the
# libraries the control center loads by name (BANDCALC.DLL and the
# codec-access stand-in HSIO.DLL), the language libraries, the help files,
# the shipped preset files and the test sound; beside them the control
# center's program file, whose version the Control Panel applet shows, and the
# applet; the tray agent with its language libraries and trayclose. Needs the
# win64 build.
#   sh tools/demo/stage.sh
set -eu
cd "$(dirname "$0")/../.."
bin=build/win64/bin
folder=build/win64/demo
for file in TavimoDemo.exe demo_ctl.exe TAVIMO.exe tavictrl.cpl traysrv.exe trayclose.exe TaviTrayRes.dll bandcalc.dll HSIO.dll TAVI_EN.dll Help/taviEnglish.chm; do
    [ -f "$bin/$file" ] || { echo "stage.sh: $bin/$file is missing: build the win64 preset" >&2; exit 1; }
done
rm -rf "$folder"
mkdir -p "$folder"
cp "$bin/TavimoDemo.exe" "$bin/demo_ctl.exe" "$bin/tavictrl.cpl" "$folder/"
cp "$bin/traysrv.exe" "$bin/trayclose.exe" "$bin"/TaviTrayRes*.dll "$folder/"
cp "$bin/TAVIMO.exe" "$folder/TAVIMO.EXE"
cp "$bin/bandcalc.dll" "$folder/BANDCALC.DLL"
cp "$bin/HSIO.dll" "$folder/HSIO.DLL"
for code in EN NL FR DE IT ES; do
    cp "$bin/TAVI_$code.dll" "$folder/TAVI_$code.DLL"
done
cp -r "$bin/Help" "$folder/Help"
# The control center finds its preset files and the test sound directly in
# its installation directory.
cp outside/presets/*.BIN outside/QRV001.WAV "$folder/"
