#!/bin/sh
# Renders help pages as a reader's browser shows them, for review: the start
# page and the first tab's topic of every language, 800 pixels wide, into
# docs/help/<language>-<page>.png.
#   sh tools/help/render_review.sh [FAMILY [OUTDIR]]   (default tavi2 docs/help)
# Needs python3, headless Chromium (Debian chromium) and ImageMagick.
set -eu
cd "$(dirname "$0")/../.."
family=${1:-tavi2}
out=${2:-docs/help}
browser=$(command -v chromium || command -v chromium-browser || true)
[ -n "$browser" ] || { echo "render_review.sh: needs chromium" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
width=800
for language in english german french dutch italian spanish; do
    python3 outside/help/make_help.py --html --language "$language" --variant "$family" \
        --out "$work/$language"
    for page in Tavimo "Headphone Settings"; do
        name="$language-$(echo "$page" | tr 'A-Z ' 'a-z-').png"
        "$browser" --headless --disable-gpu --no-sandbox --hide-scrollbars \
            --window-size=$width,2400 --screenshot="$work/page.png" \
            "file://$work/$language/$page.htm" >/dev/null 2>&1
        # Keep the page down to its last line, with a margin below it.
        bottom=$(convert "$work/page.png" -format '%@' info: | sed 's/.*x\([0-9]*\)+[0-9]*+\([0-9]*\)/\1 \2/' |
            awk '{ print $1 + $2 + 16 }')
        convert "$work/page.png" -crop "${width}x${bottom}+0+0" +repage -strip \
            -colors 128 "PNG8:$out/$name"
        echo "$out/$name"
    done
done
