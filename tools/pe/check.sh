#!/bin/sh
# Checks a Windows binary's tables with MinGW's objdump.
#   check.sh imports OBJDUMP FILE            every imported DLL is a Windows system DLL
#   check.sh exports OBJDUMP FILE NAME...    the export names are exactly NAME...
set -eu
mode=$1 objdump=$2 file=$3
shift 3
[ -f "$file" ] || { echo "no such file: $file" >&2; exit 1; }
table=$("$objdump" -p "$file")

case "$mode" in
imports)
    system_dlls='advapi32 comctl32 comdlg32 gdi32 hhctrl.ocx hid kernel32 msvcrt newdev ole32
        oleaut32 setupapi shell32 shlwapi user32 version winmm'
    found=$(printf '%s\n' "$table" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    bad=0
    for dll in $found; do
        base=${dll%.dll}
        case " $(echo $system_dlls) " in
        *" $base "*) ;;
        *) echo "$file imports $dll, which is not a Windows system DLL" >&2; bad=1 ;;
        esac
    done
    [ -n "$found" ] || { echo "$file: no import table found" >&2; exit 1; }
    echo "imports: $(echo $found)"
    exit $bad
    ;;
exports)
    actual=$(printf '%s\n' "$table" |
        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^[[:space:]]*$/p' |
        sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\] //p' | sort)
    expected=$(printf '%s\n' "$@" | sort)
    if [ "$actual" != "$expected" ]; then
        echo "$file exports:" >&2; printf '%s\n' "$actual" >&2
        echo "expected:" >&2; printf '%s\n' "$expected" >&2
        exit 1
    fi
    echo "exports: $(echo $actual)"
    ;;
*)
    echo "usage: check.sh imports|exports OBJDUMP FILE [NAME...]" >&2
    exit 2
    ;;
esac
