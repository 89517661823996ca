#!/bin/sh
# The suite's main job: installs what is missing, builds every deliverable
# and starts the control center under Wine: in a real window when a display
# is there, otherwise on a virtual display, saving screenshots of each view
# to build/screenshots.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh xvfb imagemagick
sh scripts/build.sh host win64 win32
if [ -n "${DISPLAY:-}" ]; then
    . tools/screenshots/display_prefix.sh
    exec wine build/win64/bin/TAVIMO.exe
fi
echo "No display: running the control center on a virtual one."
exec sh tools/screenshots/capture.sh build/screenshots
