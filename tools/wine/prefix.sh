#!/bin/sh
# Wine prefix for the test run: created once (no display, no audio devices),
# its server kept alive while the tests run, then stopped.
#   prefix.sh start | stop      (WINEPREFIX names the prefix)
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"

case "${1:-}" in
start)
    if [ ! -f "$WINEPREFIX/.tavimo-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        {
            wineboot -i
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
            wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f
        } </dev/null >"$WINEPREFIX/setup.log" 2>&1
        # Driver settings are read when the server starts.
        wineserver -k || true
        wineserver -w || true
        touch "$WINEPREFIX/.tavimo-ready"
    fi
    # The server and the system processes that the first program brings up
    # (services, device hosts) outlive this script; started here with no
    # terminal, they hold no test's output pipe open.
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver -k || true
    ;;
*)
    echo "usage: prefix.sh start|stop" >&2
    exit 2
    ;;
esac
