#!/bin/sh
# Configures and builds the given CMake presets (default: host win64 win32).
set -eu
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- host win64 win32
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
