#!/bin/sh
# Checks what the product's setup program holds, listed and unpacked with
# 7z: no demo or test program, no stand-in (the codec-access stand-in, the
# filter driver's placeholder), and, unless the build was given the
# headset maker's folder, neither of the maker's files.
#   check_product.sh 7Z SETUP [MAKER_FOLDER]
set -eu
sevenzip=$1 setup=$2 maker=${3:-}
[ -f "$setup" ] || { echo "no such file: $setup" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$sevenzip" x -y -o"$work" "$setup" >/dev/null
names=$(cd "$work" && find . -type f | sed 's|^\./||')
bad=0
complain() { echo "$setup: $*" >&2; bad=1; }
for name in $names; do
    base=$(basename "$name" | tr 'A-Z' 'a-z')
    case $base in
    tavimodemo.exe | demo_ctl.exe | *_tests.exe | url_recorder.exe) complain "holds $name" ;;
    hsfilt.sys | hsio.dll) [ -n "$maker" ] || complain "holds $name, yet no maker's folder was given" ;;
    esac
    if grep -aqE 'TavimoVirtualCodec|TAVIMO-PLACEHOLDER' "$work/$name"; then
        complain "holds a stand-in: $name"
    fi
done
echo "$names" | grep -qi 'TAVIMO.EXE' || complain "lacks TAVIMO.EXE"
[ "$bad" -eq 0 ] && echo "product setup: $(echo "$names" | wc -l) files, no stand-in, no demo"
exit $bad
