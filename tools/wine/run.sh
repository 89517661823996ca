#!/bin/sh
# Runs one Windows program under Wine in the test prefix: the emulator of the
# win64 tests. What the program writes passes through; Wine's own messages
# (errors only) are kept aside. When the program fails, and above all when it
# cannot start or dies, the log says why: its exit status, whether it wrote
# anything, Wine's last messages and what the prefix lacks, never a bare
# failure.
#   run.sh PROGRAM [ARGUMENTS...]
set -u
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wine's messages are lines such as "0024:err:module:import_dll ...".
{
    WINEDEBUG="${WINEDEBUG:+$WINEDEBUG,}err+all" wine "$@" 2>&1
    echo $? >"$work/status"
} | awk -v wine_log="$work/wine" -v lines="$work/lines" '
    /^([0-9a-f]+:)?(err|warn|fixme|trace):/ { print > wine_log; next }
    { print; fflush(); written++ }
    END { print written + 0 > lines }'

status=$(cat "$work/status" 2>/dev/null || echo 1)
[ "$status" -eq 0 ] && exit 0
{
    echo "run.sh: $1 ended with exit status $status"
    if [ "$(cat "$work/lines")" -eq 0 ]; then
        echo "run.sh: it wrote nothing: it did not start, or died before its first line"
    fi
    if [ -s "$work/wine" ]; then
        echo "run.sh: Wine's last messages:"
        tail -n 20 "$work/wine"
    fi
    if ! problems=$(sh "$here/prefix.sh" check); then
        echo "run.sh: the prefix $WINEPREFIX is not whole:"
        echo "$problems"
    fi
} >&2
exit "$status"
