# Sourced: the Wine prefix for running the suite's programs on a display
# (the X driver, no audio devices), made once inside the build tree.
export WINEPREFIX="$PWD/build/win64/display-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.tavimo-ready" ]; then
    mkdir -p "$WINEPREFIX"
    {
        wineboot -i
        wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f
        wineserver -w
    } </dev/null >"$WINEPREFIX/setup.log" 2>&1
    touch "$WINEPREFIX/.tavimo-ready"
fi
