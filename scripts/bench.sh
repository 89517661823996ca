#!/bin/sh
# Builds the optimised host preset and runs the benchmarks.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
sh scripts/build.sh bench
exec build/bench/bin/bandcalc_bench "$@"
