#!/bin/sh
# Every test of the suite: installs what is missing, builds the host, win64
# and win32 presets, runs their tests (the Windows ones under Wine) and ends
# with one line that counts them all.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
sh scripts/build.sh host win64 win32

passed=0 failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for preset in host win64 win32; do
    echo "== tests of $preset"
    ctest --preset "$preset" 2>&1 | tee "$log" || true
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" || true)
    if [ -z "$summary" ]; then
        echo "ctest for $preset gave no summary" >&2
        failed=$((failed + 1))
        continue
    fi
    bad=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    all=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
    passed=$((passed + all - bad))
    failed=$((failed + bad))
done
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
