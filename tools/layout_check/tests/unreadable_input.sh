#!/bin/sh
# Every input the layout checker cannot read gets a clear message and exit
# code 2, and the other files of the run are still checked.
#   sh unreadable_input.sh PATH_TO_LAYOUT_CHECK
set -u
checker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect CODE PATTERN ARGS...: the checker exits with CODE and its output
# (both streams) has a line matching the extended regular expression
# PATTERN, or is empty when PATTERN is.
expect() {
    code=$1 pattern=$2
    shift 2
    "$checker" "$@" >"$work/out" 2>&1
    status=$?
    if [ -z "$pattern" ]; then
        matches=$([ -s "$work/out" ] && echo no || echo yes)
    else
        matches=$(grep -Eq -- "$pattern" "$work/out" && echo yes || echo no)
    fi
    if [ "$status" -ne "$code" ] || [ "$matches" = no ]; then
        echo "FAIL: layout_check $* exited $status (want $code) with:"
        cat "$work/out"
        echo "(want a line matching: $pattern)"
        failures=$((failures + 1))
    fi
}

printf '[Layout]\r\n1=P\r\n[P]\r\nsize=1,1\r\n' >"$work/good.txt"
head -c 17000000 /dev/zero >"$work/huge.txt"
printf '[Layout]\n1=P\n[P]\nsize=1,1\na\000b=1\n' >"$work/nul.txt"

expect 2 "^$work: cannot read: .*directory" "$work"
expect 2 "^$work/huge.txt: cannot read: larger than" "$work/huge.txt"
expect 2 "^/dev/zero: cannot read: larger than" /dev/zero
expect 2 "^$work/missing.txt: cannot open: No such file" "$work/missing.txt"
expect 0 "" "$work/good.txt"
# An unreadable file among readable ones: the others are checked, exit 2.
expect 2 "nul.txt:5: key 'a\\\\x00b' is not an element id" "$work" "$work/nul.txt"
expect 1 "nul.txt:5: key 'a\\\\x00b' is not an element id" "$work/nul.txt"

[ "$failures" -eq 0 ] || exit 1
echo "all unreadable inputs reported"
