#!/bin/sh
# Fuzzes the layout reader with libFuzzer for SECONDS (default 300), starting
# from the stored corpus, and merges what it finds into that corpus.
#   sh scripts/fuzz.sh [SECONDS]
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh clang libclang-rt-14-dev
sh scripts/build.sh fuzz
corpus=control_center/skin/fuzz/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$corpus"/* "$work"/
build/fuzz/bin/layout_fuzz -max_total_time="${1:-300}" -max_len=4096 \
    -dict=control_center/skin/fuzz/layout.dict "$work"
build/fuzz/bin/layout_fuzz -merge=1 "$corpus" "$work"
