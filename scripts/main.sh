#!/bin/sh
# The suite's main job: installs what is missing, builds every deliverable
# and shows the equalizer library at work (its DSP words and the response
# of a sample setting, with the curve drawn to build/bandcalc-response.svg).
# Extra arguments go to the report, e.g. --band 3,1000,6,1.4
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
sh scripts/build.sh host win64 win32
exec build/host/bin/bandcalc_report --svg build/bandcalc-response.svg "$@"
