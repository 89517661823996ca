#!/bin/sh
# Captures the screenshots the help pages show, in every language and for
# every headset family, from the demo program over a virtual headset, into
# outside/help/images/<language>/<family>/<name>.png, the names the pages
# ask for (@image): headphone (also on the start page), microphone, audio,
# talk. Each shows the control center's window alone, in a palette of at
# most 256 colours. The build puts whatever is there into the help files; a
# page whose picture is missing is built without it.
#   sh tools/help/capture_images.sh
# Needs the win64 build, Xvfb (xvfb) and ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
. tools/screenshots/demo_session.sh
out=outside/help/images
on_virtual_display "$0"

enter_demo_prefix
# family: product and model of the headset the demo starts with.
for family in tavi:0B52:400 tavi1:0B52:200 tavi2:0D31:400; do
    variant=${family%%:*}
    product=$(echo "$family" | cut -d: -f2)
    model=${family##*:}
    for language in English German French Dutch Italian Spanish; do
        dir="$out/$(echo "$language" | tr 'A-Z' 'a-z')/$variant"
        start_demo --product "$product" --model "$model" --language "$language"
        save_pages "$dir" ""
        end_demo
        for picture in "$dir"/*.png; do
            convert "$picture" -colors 256 -define png:compression-level=9 "PNG8:$picture"
        done
    done
done
du -sh "$out"
