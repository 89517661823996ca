#!/bin/sh
# Which threads of the idle demo wake, and how often: the demo (older family
# unless options say otherwise) is started in the test prefix (no display
# driver, no audio), left alone for SETTLE seconds, then each of its threads'
# context switches (voluntary and not, from /proc/PID/task/TID/status) are
# counted over SECONDS seconds. The user-interface thread is the one whose id
# is the process's; Wine names some of its own threads.
#   sh tools/idle_wake/measure.sh [SECONDS [SETTLE]] [-- DEMO OPTIONS...]
set -eu
cd "$(dirname "$0")/../.."
export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
seconds=10 settle=5
case "${1:-}" in [0-9]*) seconds=$1; shift ;; esac
case "${1:-}" in [0-9]*) settle=$1; shift ;; esac
[ "${1:-}" != "--" ] || shift
sh tools/demo/stage.sh
sh tools/wine/prefix.sh start
trap 'wine reg delete "HKLM\\Software\\Quorvel\\Tavimo" /f >/dev/null 2>&1; sh tools/wine/prefix.sh stop' EXIT
wine reg add "HKLM\\Software\\Quorvel\\Tavimo\\Directory" /v Path \
    /d "$(winepath -w build/win64/demo)\\" /f >/dev/null

# One line a thread: id, name, context switches so far.
switches() {
    for task in /proc/"$1"/task/*; do
        tid=${task##*/}
        awk -v tid="$tid" -v name="$(cat "$task/comm" 2>/dev/null)" '
            /^(non)?voluntary_ctxt_switches:/ { n += $2 }
            END { print tid, name, n }' "$task/status" 2>/dev/null || true
    done
}

wine "$PWD/build/win64/demo/TavimoDemo.exe" "$@" </dev/null >/dev/null 2>&1 &
pid=$!
sleep "$settle"
before=$(switches "$pid")
sleep "$seconds"
after=$(switches "$pid")
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

printf 'context switches of each thread in %s s of idle (process %s):\n' "$seconds" "$pid"
printf '%s\n' "$before" | awk -v pid="$pid" -v after="$after" '
    BEGIN { n = split(after, lines, "\n"); for (i = 1; i <= n; i++) { split(lines[i], f, " "); now[f[1]] = f[3] } }
    { role = $1 == pid ? "user-interface thread" : $2
      printf "  thread %-8s %-24s %6d\n", $1, role, now[$1] - $3 }'
