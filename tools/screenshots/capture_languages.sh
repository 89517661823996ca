#!/bin/sh
# Captures the four pages of the control center's full view in each language
# but English (whose views capture.sh saves), as the demo shows them when
# started with --language, into OUTDIR/<language>/full-<page>.png; and the
# demo started in English and switched to German while it runs, as the
# Control Panel switches it (demo_ctl language), into
# OUTDIR/german/switched-at-run-time.png. Under a virtual X display.
#   sh tools/screenshots/capture_languages.sh [OUTDIR [DEMO OPTIONS...]]  (default docs/screenshots)
# Needs the win64 build, Xvfb (xvfb), ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
out=${1:-docs/screenshots}
[ $# -eq 0 ] || shift
on_virtual_display "$0" "$out" "$@"

enter_demo_prefix
for language in German French Dutch Italian Spanish; do
    dir="$out/$(echo "$language" | tr 'A-Z' 'a-z')"
    start_demo "$@" --language "$language"
    save_pages "$dir" full-
    end_demo
done

start_demo "$@" --language English
wine "$demo/demo_ctl.exe" language German
save_view "$out/german/switched-at-run-time.png" c:202
end_demo
# A switch at run time shows what a start in that language shows.
echo "pixels unlike the start in German: $(compare -metric AE "$out/german/switched-at-run-time.png" \
    "$out/german/full-headphone.png" null: 2>&1 || true)"
