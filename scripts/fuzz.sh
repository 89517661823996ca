#!/bin/sh
# Fuzzes the layout reader with libFuzzer, starting from the stored corpus,
# for SECONDS (default 300) or RUNS inputs, whichever ends first, and merges
# what it finds into that corpus. The corpus is rebuilt by merging on edges
# alone (not their hit counts), so it stays small: the hand-written *.txt
# seeds and a few inputs that reach every further edge found.
#   sh scripts/fuzz.sh [SECONDS [RUNS]]
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh clang libclang-rt-14-dev
sh scripts/build.sh fuzz
corpus=control_center/skin/fuzz/corpus
fuzzer=build/fuzz/bin/layout_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/found" "$work/merged"
cp "$corpus"/* "$work/found"/
"$fuzzer" -max_total_time="${1:-300}" -runs="${2:--1}" -max_len=4096 -print_final_stats=1 \
    -dict=control_center/skin/fuzz/layout.dict "$work/found"
cp "$corpus"/*.txt "$work/merged"/
"$fuzzer" -merge=1 -use_counters=0 "$work/merged" "$work/found"
rm "$corpus"/*
cp "$work/merged"/* "$corpus"/
echo "corpus: $(ls "$corpus" | wc -l) inputs"
