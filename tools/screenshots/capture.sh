#!/bin/sh
# Captures the control center, running as the demo over its virtual headset,
# into PNG files under a virtual X display, driving it as a user would
# (clicks on the items, demo_ctl for the headset):
# - every view: each page of the full view, an open preset list, the
#   microphone mute lit by the headset's button, the dialog of a launcher
#   button without a program, the reduced and the mini view, and the demo's
#   "Virtual headset" window;
# - with --languages: the four pages of the full view in each language but
#   English, as the demo shows them when started with --language, into
#   OUTDIR/<language>/full-<page>.png; and the demo started in English and
#   switched to German while it runs, as the Control Panel switches it
#   (demo_ctl language), into OUTDIR/german/switched-at-run-time.png.
#   sh tools/screenshots/capture.sh [--languages] [OUTDIR [DEMO OPTIONS...]]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb), ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
on_virtual_display "$0" "$@"

views() {
    start_demo "$@"
    save_pages "$out" full-
    wine "$demo/demo_ctl.exe" mute
    await_status "mute button: lit"
    # With the pointer over another tab, which lights it.
    save_view "$out/mute-lit.png" c:202 h:203
    save_view "$out/headphone-presets-open.png" c:302
    # The voice buttons without a program offer the Control Panel.
    save_view "$out/unmapped-application.png" d:302 c:205 c:333
    save_view "$out/reduced.png" esc c:202 c:998
    save_view "$out/mini.png" c:998
    save_rect "$out/virtual-headset.png" "$(wine "$bin/send_command.exe" --headset-window | tr -d '\r')"
    end_demo
}

languages() {
    for language in German French Dutch Italian Spanish; do
        start_demo "$@" --language "$language"
        save_pages "$out/$(echo "$language" | tr 'A-Z' 'a-z')" full-
        end_demo
    done
    start_demo "$@" --language English
    wine "$demo/demo_ctl.exe" language German
    save_view "$out/german/switched-at-run-time.png" c:202
    end_demo
    # A switch at run time shows what a start in that language shows.
    echo "pixels unlike the start in German: $(compare -metric AE \
        "$out/german/switched-at-run-time.png" "$out/german/full-headphone.png" null: 2>&1 || true)"
}

set_of_shots=views
if [ "${1:-}" = --languages ]; then
    set_of_shots=languages
    shift
fi
out=${1:-docs/screenshots}
[ $# -eq 0 ] || shift
enter_demo_prefix
"$set_of_shots" "$@"
