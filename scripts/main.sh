#!/bin/sh
# The suite's main job: installs what is missing, builds every deliverable,
# stages the demo's installation folder (build/win64/demo) and starts the
# demo, the control center over a virtual headset, under Wine in its own
# prefix (build/win64/demo-prefix): in a real window when a display is
# there, otherwise on a virtual display, saving screenshots of each view to
# build/screenshots. Arguments are the demo's options:
#   sh scripts/main.sh [--product 0B52|0D31] [--model N | --serial TEXT]
#                      [--no-headset] [--driver-missing] [--sound-card]
#                      [--language English|Dutch|French|German|Italian|Spanish]
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh xvfb imagemagick
sh scripts/build.sh host win64 win32
sh tools/demo/stage.sh
if [ -n "${DISPLAY:-}" ]; then
    . tools/demo/prefix.sh
    exec wine build/win64/demo/TavimoDemo.exe "$@"
fi
echo "No display: running the demo on a virtual one."
exec sh tools/screenshots/capture.sh build/screenshots "$@"
