# Sourced from the repository's root by the scripts that take screenshots of
# the demo: running a script on a virtual X display, staging the demo and its
# prefix, starting and ending the demo, waiting for its state, and saving
# what the control center shows as small PNG files. Needs the win64 build,
# Xvfb (xvfb) and ImageMagick (imagemagick).
bin=build/win64/bin
demo=build/win64/demo

# Runs the script SCRIPT again with ARGS on a virtual X display, unless it
# already runs on one.
#   on_virtual_display SCRIPT ARGS...
on_virtual_display() {
    [ -x "$bin/send_command.exe" ] || { echo "$1: build the win64 preset first" >&2; exit 1; }
    [ -z "${TAVIMO_DISPLAY_READY:-}" ] || return 0
    TAVIMO_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$@"
}

# Stages the installation folder and enters the demo's prefix, whose
# registry is written afresh (English unless the demo is started with
# --language).
enter_demo_prefix() {
    sh tools/demo/stage.sh
    . tools/demo/prefix.sh
}

# Runs demo_ctl until its status holds the text TEXT (at most 10 seconds).
await_status() {
    for _ in $(seq 50); do
        wine "$demo/demo_ctl.exe" status 2>/dev/null | grep -q "$1" && return 0
        sleep 0.2
    done
    echo "the demo's status never showed '$1'" >&2
    return 1
}

# Starts the demo with its OPTIONS and waits until its window answers.
start_demo() {
    wine "$demo/TavimoDemo.exe" "$@" </dev/null >/dev/null 2>&1 &
    await_status "headset:"
}

# Closes the control center (which ends the demo) and waits for the prefix's
# programs to end; stops them after 30 seconds.
end_demo() {
    wine "$bin/send_command.exe" 999 >/dev/null || true
    timeout 30 wineserver -w || wineserver -k || true
}

# Saves the rectangle GEOMETRY of the screen as FILE, without metadata and
# compressed as far as PNG goes.
save_rect() {
    [ -n "$2" ] || { echo "no window to save as $1" >&2; return 1; }
    mkdir -p "$(dirname "$1")"
    import -window root -crop "$2" +repage -strip -define png:compression-level=9 "$1"
    echo "$1 ($2)"
}

# Sends the control center send_command's COMMANDS, waits for it to redraw
# and saves what it shows (the frame with its open lists and dialogs, not
# the "Virtual headset" window) as FILE.
#   save_view FILE COMMANDS...
save_view() {
    file=$1
    shift
    geometry=$(wine "$bin/send_command.exe" "$@" | tr -d '\r')
    sleep 1
    save_rect "$file" "$geometry"
}

# Saves the four pages of the full view as DIR/PREFIXheadphone.png,
# microphone, audio and talk, each chosen by a click on its tab.
#   save_pages DIR PREFIX
save_pages() {
    for page in 202:headphone 203:microphone 204:audio 205:talk; do
        save_view "$1/$2${page#*:}.png" "c:${page%%:*}"
    done
}
