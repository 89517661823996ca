#!/bin/sh
# Fuzzes every libFuzzer target in turn (the layout reader, the program
# extraction from command lines, the lower-filter list), each starting from its stored corpus, for
# SECONDS (default 300) or RUNS inputs, whichever ends first, and merges what
# it finds into that corpus. A corpus is rebuilt by merging on edges alone
# (not their hit counts), so it stays small: the hand-written *.txt seeds and
# a few inputs that reach every further edge found.
#   sh scripts/fuzz.sh [SECONDS [RUNS]]
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh clang libclang-rt-14-dev
sh scripts/build.sh fuzz
work=""
trap 'rm -rf "$work"' EXIT

# fuzz TARGET CORPUS DICTIONARY MAX_LEN SECONDS RUNS
fuzz() {
    fuzzer=build/fuzz/bin/$1
    corpus=$2
    work=$(mktemp -d)
    mkdir "$work/found" "$work/merged"
    cp "$corpus"/* "$work/found"/
    echo "== $1"
    "$fuzzer" -max_total_time="$5" -runs="$6" -max_len="$4" -print_final_stats=1 \
        -dict="$3" "$work/found"
    cp "$corpus"/*.txt "$work/merged"/
    "$fuzzer" -merge=1 -use_counters=0 "$work/merged" "$work/found"
    rm "$corpus"/*
    cp "$work/merged"/* "$corpus"/
    rm -rf "$work"
    echo "$1 corpus: $(ls "$corpus" | wc -l) inputs"
}

fuzz layout_fuzz control_center/skin/fuzz/corpus control_center/skin/fuzz/layout.dict 4096 \
    "${1:-300}" "${2:--1}"
fuzz command_line_fuzz control_center/app/fuzz/corpus control_center/app/fuzz/command_line.dict \
    1024 "${1:-300}" "${2:--1}"
fuzz filter_list_fuzz setup/fuzz/corpus setup/fuzz/filter_list.dict 4096 "${1:-300}" "${2:--1}"
