#!/bin/sh
# Stages the setup program's contents: program/ for the installation
# directory (with Driver/ and Help/), system/ for the Windows system
# directory.
#   stage.sh STAGE HELP_FOLDER SOURCE_ROOT DESTINATION=SOURCE...
# Each DESTINATION (a path below STAGE) gets a copy of its SOURCE; the
# compiled help files and the shipped preset files and test sound are added.
set -eu
stage=$1 help=$2 root=$3
shift 3
rm -rf "$stage"
mkdir -p "$stage/program/Driver" "$stage/program/Help" "$stage/system"
for pair in "$@"; do
    destination=${pair%%=*}
    source=${pair#*=}
    [ -f "$source" ] || { echo "stage.sh: $source is missing" >&2; exit 1; }
    mkdir -p "$(dirname "$stage/$destination")"
    cp "$source" "$stage/$destination"
done
cp "$help"/*.chm "$stage/program/Help/"
cp "$root"/outside/presets/*.BIN "$root/outside/QRV001.WAV" "$stage/program/"
