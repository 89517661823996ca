#!/bin/sh
# Captures the screenshots the help pages show, in every language and for
# every headset family, from the demo program over a virtual headset, into
# outside/help/images/<language>/<family>/<name>.png, the names the pages
# ask for (@image): headphone (also on the start page), microphone, audio, talk.
# The build puts whatever is there into the help files; a page whose picture
# is missing is built without it.
#   sh tools/help/capture_images.sh
# Needs the win64 build with TavimoDemo.exe (and its --language option),
# Xvfb (xvfb) and ImageMagick (imagemagick).
set -eu
cd "$(dirname "$0")/../.."
bin=build/win64/bin
out=outside/help/images
[ -x "$bin/TavimoDemo.exe" ] || { echo "capture_images.sh: build TavimoDemo.exe (win64) first" >&2; exit 1; }
if [ -z "${TAVIMO_DISPLAY_READY:-}" ]; then
    TAVIMO_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
. tools/screenshots/display_prefix.sh
wine "$bin/TavimoDemo.exe" --help 2>&1 | grep -q -- --language ||
    { echo "capture_images.sh: TavimoDemo.exe has no --language option yet" >&2; exit 1; }

# Sends commands to the running control center, waits for it to redraw and
# saves what it shows as NAME.png in the folder DIR.
shot() {
    dir=$1
    name=$2
    shift 2
    geometry=$(wine "$bin/send_command.exe" "$@" | tr -d '\r')
    sleep 1
    import -window root -crop "$geometry" +repage -strip "$dir/$name.png"
    echo "$dir/$name.png"
}

# family: product and model of the headset the demo starts with.
for family in tavi:0B52:400 tavi1:0B52:200 tavi2:0D31:400; do
    variant=${family%%:*}
    product=$(echo "$family" | cut -d: -f2)
    model=${family##*:}
    for language in English German French Dutch Italian Spanish; do
        dir="$out/$(echo "$language" | tr 'A-Z' 'a-z')/$variant"
        mkdir -p "$dir"
        wine "$bin/TavimoDemo.exe" --product "$product" --model "$model" \
            --language "$language" </dev/null >/dev/null 2>&1 &
        tries=0
        until wine "$bin/send_command.exe" >/dev/null 2>&1; do
            tries=$((tries + 1))
            [ "$tries" -lt 100 ] || { echo "capture_images.sh: the demo did not start" >&2; exit 1; }
            sleep 0.2
        done
        shot "$dir" headphone c:202
        shot "$dir" microphone c:203
        shot "$dir" audio c:204
        shot "$dir" talk c:205
        wine "$bin/send_command.exe" 999 >/dev/null || true
        wineserver -w
    done
done
