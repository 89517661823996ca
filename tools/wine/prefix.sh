#!/bin/sh
# Wine prefix for the test run: created once (no display, no audio devices)
# and made whole before any test starts, its server kept alive while the
# tests run, then stopped.
#   prefix.sh start | stop | check      (WINEPREFIX names the prefix)
# check says what is missing from the prefix, if anything.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"

# What a whole prefix lacks, one line each; nothing when it is whole.
missing() {
    [ -f "$WINEPREFIX/.tavimo-ready" ] || echo "not finished: no $WINEPREFIX/.tavimo-ready"
    [ -f "$WINEPREFIX/system.reg" ] || echo "no system.reg"
    [ -f "$WINEPREFIX/.update-timestamp" ] || echo "Wine never finished setting it up (no .update-timestamp)"
    drivers=$(sed -n '/^\[Software\\\\Wine\\\\Drivers\]/,/^\[/p' "$WINEPREFIX/user.reg" 2>/dev/null)
    case $drivers in
        *'"Graphics"="null"'*) ;;
        *) echo "user.reg does not choose the null display driver" ;;
    esac
    case $drivers in
        *'"Audio"=""'*) ;;
        *) echo "user.reg does not turn the audio driver off" ;;
    esac
}

create() {
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    {
        wineboot -i
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
        wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f
    } </dev/null >"$WINEPREFIX/setup.log" 2>&1
    # Let the server end by itself, once everything that the set-up started
    # has finished: only then is the registry on disk and no set-up work
    # left to run beside the first test. (Killing it could cut both short.)
    if ! timeout 300 wineserver -w; then
        wineserver -k || true
        echo "prefix.sh: the new prefix's set-up did not end within 5 minutes" >&2
        exit 1
    fi
    touch "$WINEPREFIX/.tavimo-ready"
    problems=$(missing)
    if [ -n "$problems" ]; then
        rm -f "$WINEPREFIX/.tavimo-ready"
        echo "prefix.sh: the new prefix is not whole:" >&2
        echo "$problems" >&2
        tail -n 20 "$WINEPREFIX/setup.log" >&2
        exit 1
    fi
}

case "${1:-}" in
start)
    [ -z "$(missing)" ] || create
    # The server and the system processes that the first program brings up
    # (services, device hosts) outlive this script; started here with no
    # terminal, they hold no test's output pipe open. A server that an
    # interrupted run left behind is replaced.
    if ! wineserver -p </dev/null >/dev/null 2>&1; then
        wineserver -k || true
        wineserver -w || true
        wineserver -p </dev/null >/dev/null 2>&1
    fi
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver -k || true
    ;;
check)
    problems=$(missing)
    [ -z "$problems" ] || { echo "$problems"; exit 1; }
    ;;
*)
    echo "usage: prefix.sh start|stop|check" >&2
    exit 2
    ;;
esac
