#!/bin/sh
# Builds the optimised host preset and runs the benchmarks.
# Arguments go to each benchmark program.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
sh scripts/build.sh bench
build/bench/bin/bandcalc_bench "$@"
build/bench/bin/layout_bench "$@"
build/bench/bin/preset_bench "$@"
