#!/bin/sh
# Renders the control center's skin artwork.
#
# Every control_center/resources/artwork/src/<id>_<name>.svg becomes
# control_center/resources/bitmaps/<id>.bmp: a 24-bit uncompressed Windows
# bitmap (BMP3, no alpha), exactly as large as the SVG's width and height.
# The drawings of one icon, control_center/resources/artwork/icons/
# <id>_<name>_<size>.svg (one square SVG per size, each drawn for its size),
# become control_center/resources/icons/<id>.ico: one 32-bit image with a mask
# per size, smallest first. The tray agent's icons, outside/tray_resources/
# artwork/icons, become outside/tray_resources/icons/<id>.ico the same way,
# and the Control Panel applet's, cpl_applet/resources/artwork/icons, become
# cpl_applet/resources/icons/<id>.ico with 16-colour images (ico16.py).
# Then docs/artwork-sheet.png shows every bitmap at 2x with its id, for review.
#
# Run from the repository root:   sh tools/artwork/render.sh
# Needs: rsvg-convert (librsvg2-bin), ImageMagick (imagemagick) and the
# DejaVu fonts (fonts-dejavu-core).
#
# Each SVG starts with a full-size backing rectangle, so the artwork is opaque;
# its colour (the first fill="#RRGGBB" of the file) is also used to flatten
# whatever transparency could be left, and any transparency left in a
# rendering is reported as an error.
set -eu

src=control_center/resources/artwork/src
out=control_center/resources/bitmaps
# Icon drawings, the folder their .ico files go to and, for 16-colour
# images, ":16".
icon_sets="control_center/resources/artwork/icons:control_center/resources/icons
outside/tray_resources/artwork/icons:outside/tray_resources/icons
cpl_applet/resources/artwork/icons:cpl_applet/resources/icons:16"
sheet=docs/artwork-sheet.png
sheet_bg='#B9BDC2'   # neutral grey behind the contact sheet

fail() {
    echo "render.sh: $*" >&2
    exit 1
}

[ -d "$src" ] || fail "no $src here; run this from the repository root"
for tool in rsvg-convert convert montage identify od; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (apt-get install librsvg2-bin imagemagick)"
done
fc-list 'DejaVu Sans:style=Bold' | grep -q . || fail "the DejaVu Sans Bold font is missing (apt-get install fonts-dejavu-core)"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM

mkdir -p "$out" "$(dirname "$sheet")" "$tmp/panels" "$tmp/items"

# The value of attribute $2 on the root <svg> element of file $1.
root_attr() {
    tr '\n' ' ' <"$1" | sed -n "s/^.*<svg[^>]* $2=\"\\([^\"]*\\)\".*\$/\\1/p"
}

count=0
for svg in "$src"/*.svg; do
    [ -e "$svg" ] || fail "no SVG files in $src"
    name=$(basename "$svg" .svg)
    id=${name%%_*}
    case $id in
        '' | *[!0-9]*) fail "$svg: the file name must start with the numeric resource id" ;;
    esac
    width=$(root_attr "$svg" width)
    height=$(root_attr "$svg" height)
    case "$width$height" in
        '' | *[!0-9]*) fail "$svg: the root element needs integer width and height attributes" ;;
    esac
    backing=$(grep -o 'fill="#[0-9A-Fa-f]\{6\}"' "$svg" | head -n 1 | cut -d'"' -f2)
    [ -n "$backing" ] || fail "$svg: no backing colour"

    png=$tmp/$id.png
    rsvg-convert --format png --output "$png" "$svg"
    [ "$(convert "$png" -format '%[opaque]' info:)" = true ] ||
        fail "$svg: the rendering has transparent pixels (add a backing rectangle)"

    bmp=$out/$id.bmp
    convert "$png" -background "$backing" -alpha remove -alpha off -type TrueColor BMP3:"$bmp"

    size=$(identify -format '%wx%h' "$bmp")
    [ "$size" = "${width}x${height}" ] || fail "$bmp is $size, the SVG says ${width}x${height}"
    bits=$(od -An -tu2 -j28 -N2 "$bmp" | tr -d ' ')
    compression=$(od -An -tu4 -j30 -N4 "$bmp" | tr -d ' ')
    if [ "$bits" != 24 ] || [ "$compression" != 0 ]; then
        fail "$bmp: $bits bits per pixel, compression $compression (want 24, 0)"
    fi

    # A tile for the contact sheet: the bitmap at 2x, pixels kept sharp, its id below.
    if [ "$width" -ge 380 ]; then group=panels; else group=items; fi
    convert "$bmp" -filter point -resize 200% \
        \( -background "$sheet_bg" -font DejaVu-Sans -pointsize 13 -fill '#1B1E22' label:"$id" \
        -gravity north -splice 0x4 \) \
        -background "$sheet_bg" -gravity center -append -bordercolor "$sheet_bg" -border 10x8 \
        "$tmp/$group/$id.png"
    count=$((count + 1))
done

for bmp in "$out"/*.bmp; do
    [ -e "$bmp" ] || continue
    id=$(basename "$bmp" .bmp)
    set -- "$src/${id}"_*.svg
    [ -e "$1" ] || echo "render.sh: warning: $bmp has no SVG source in $src" >&2
done

# Icons: every drawing of an id at its own size, gathered into one .ico.
# render_icons SOURCE OUTPUT [COLOURS]
render_icons() {
    icon_src=$1 icon_out=$2 icon_colours=${3:-}
    rm -rf "$tmp/icons"
    mkdir -p "$icon_out" "$tmp/icons"
    for svg in "$icon_src"/*.svg; do
        [ -e "$svg" ] || break
        name=$(basename "$svg" .svg)
        id=${name%%_*}
        size=${name##*_}
        case "$name:$id:$size" in
            *_*_*:[0-9]*:[0-9]*) ;;
            *) fail "$svg: the file name must be <id>_<name>_<size>.svg" ;;
        esac
        case "$id$size" in
            *[!0-9]*) fail "$svg: the file name must be <id>_<name>_<size>.svg" ;;
        esac
        [ "$(root_attr "$svg" width)x$(root_attr "$svg" height)" = "${size}x${size}" ] ||
            fail "$svg: the root element must be ${size} wide and high"
        mkdir -p "$tmp/icons/$id"
        rsvg-convert --format png --output "$tmp/icons/$id/$(printf '%04d' "$size").png" "$svg"
    done
    for dir in "$tmp/icons"/*; do
        [ -d "$dir" ] || continue
        id=$(basename "$dir")
        # Sorted by the zero-padded size: the smallest image comes first.
        if [ "$icon_colours" = 16 ]; then
            python3 tools/artwork/ico16.py "$icon_out/$id.ico" "$dir"/*.png
        else
            convert "$dir"/*.png "ICO:$icon_out/$id.ico"
        fi
        icons=$((icons + 1))
    done
}
icons=0
for set in $icon_sets; do
    icon_out=${set#*:}
    render_icons "${set%%:*}" "${icon_out%%:*}" "$(echo "$icon_out" | cut -s -d: -f2)"
done

# Contact sheet: the window-wide panels two to a row, then the items eight to a row.
convert -size 1x1 "xc:$sheet_bg" "$tmp/sheet.png"
for group in panels items; do
    set -- "$tmp/$group"/*.png
    [ -e "$1" ] || continue
    if [ "$group" = panels ]; then columns=2; else columns=8; fi
    montage -background "$sheet_bg" -mode concatenate -tile "${columns}x" "$@" "$tmp/$group.png"
    convert "$tmp/sheet.png" "$tmp/$group.png" -background "$sheet_bg" -gravity west -append +repage "$tmp/sheet.png"
done
convert "$tmp/sheet.png" -depth 8 -bordercolor "$sheet_bg" -border 8 \
    +set date:create +set date:modify -define png:exclude-chunks=date,time,tIME "$sheet"

echo "render.sh: $count bitmaps in $out, $icons icons, contact sheet $sheet"
