#!/bin/sh
# Captures every view of the control center, running as the demo over its
# virtual headset (each page of the full view, an open preset list, the
# microphone mute lit by the headset's button, the dialog of a launcher
# button without a program, the reduced and the mini view) and the demo's
# "Virtual headset" window into PNG files, under a virtual X display,
# driving them as a user would (clicks on the items, demo_ctl for the
# headset).
#   sh tools/screenshots/capture.sh [OUTDIR [DEMO OPTIONS...]]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb), ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
out=${1:-docs/screenshots}
[ $# -eq 0 ] || shift
on_virtual_display "$0" "$out" "$@"

enter_demo_prefix
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
