#!/bin/sh
# Checks a Windows binary's tables and resources with MinGW's binutils.
#   check.sh imports OBJDUMP FILE            every imported DLL is a Windows system DLL,
#                                            and no import is one that Windows XP lacks
#   check.sh no_imports OBJDUMP FILE         a resource-only library: no DLL imported,
#                                            no entry point
#   check.sh imports_none_of OBJDUMP FILE DLL...
#                                            none of DLL... is imported (a program
#                                            that loads them when it needs them)
#   check.sh exports OBJDUMP FILE NAME...    the export names are exactly NAME...
#   check.sh no_shown_resources OBJDUMP FILE
#                                            a program whose texts and images all come
#                                            from a language library: no icon, menu,
#                                            dialog or string resource
#   check.sh manifest OBJDUMP FILE           a program's manifest: resource 1 of type
#                                            RT_MANIFEST, asking for common controls 6
#                                            and the invoker's rights
#   check.sh manifest_plain OBJDUMP FILE     the same without common controls 6
#   check.sh manifest_on_demand OBJDUMP FILE the same, with common controls 6 in a
#                                            manifest of their own, resource 2
set -eu
mode=$1 tool=$2 file=$3
shift 3
[ -f "$file" ] || { echo "no such file: $file" >&2; exit 1; }

case "$mode" in
no_shown_resources)
    # Type entries of objdump's resource tree stand 3 blanks after the offset:
    # RT_ICON 3, RT_MENU 4, RT_DIALOG 5, RT_STRING 6, RT_GROUP_ICON 14.
    found=$("$tool" -p "$file" | awk '
        /^[0-9a-f]+   Entry: ID: / && ($4 == "0x000003," || $4 == "0x000004," ||
            $4 == "0x000005," || $4 == "0x000006," || $4 == "0x00000e,") { print $4 }')
    if [ -n "$found" ]; then
        echo "$file carries resources of types $(echo $found)" >&2
        exit 1
    fi
    echo "resources: no icon, menu, dialog or string"
    exit 0
    ;;
manifest | manifest_plain | manifest_on_demand)
    # In objdump's resource tree, type entries stand 3 blanks after the
    # offset, name entries 5: the names under type 24 (RT_MANIFEST).
    ids=$("$tool" -p "$file" | awk '
        /^[0-9a-f]+   Entry: ID: / { in_manifest = ($4 == "0x000018,") }
        /^[0-9a-f]+     Entry: ID: / && in_manifest { print $4 }')
    if ! printf '%s\n' $ids | grep -qx '0x000001,'; then
        echo "$file has no manifest resource (RT_MANIFEST, id 1)" >&2
        exit 1
    fi
    # Resource data is stored as is: the manifests' texts are in the file.
    text=$(tr -s '\t\r\n ' ' ' <"$file")
    controls='name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
    bad=0
    for needed in 'level="asInvoker"' 'supportedOS'; do
        if ! printf '%s' "$text" | grep -aqF "$needed"; then
            echo "$file: the manifest lacks $needed" >&2
            bad=1
        fi
    done
    count=$(printf '%s' "$text" | grep -aoF "$controls" | wc -l)
    if [ "$mode" = manifest_on_demand ]; then
        # The one request for the controls is the second manifest's, whose
        # identity comes right before its dependency.
        if ! printf '%s\n' $ids | grep -qx '0x000002,'; then
            echo "$file has no second manifest resource (RT_MANIFEST, id 2)" >&2
            bad=1
        fi
        if [ "$count" -ne 1 ] || ! printf '%s' "$text" | grep -aqE \
            "ThemedControls\"[^<]*/> <dependency> <dependentAssembly> <assemblyIdentity type=\"win32\" $controls"; then
            echo "$file: common controls 6 are not asked for by the second manifest alone" >&2
            bad=1
        fi
        [ "$bad" -eq 0 ] && echo "manifest: asInvoker; common controls 6 in manifest 2"
        exit $bad
    fi
    case "$mode:$count" in
    manifest:0) echo "$file: the manifest lacks $controls" >&2; bad=1 ;;
    manifest_plain:0) ;;
    manifest_plain:*) echo "$file: the manifest asks for common controls 6" >&2; bad=1 ;;
    esac
    [ "$bad" -eq 0 ] && echo "manifest: asInvoker, common controls 6: $count"
    exit $bad
    ;;
no_imports)
    # The linker always leaves an import directory, holding only its
    # terminator here: no DLL may be named in it, and no entry point run.
    table=$("$tool" -p "$file")
    dlls=$(printf '%s\n' "$table" | sed -n 's/^[[:space:]]*DLL Name: //p')
    if [ -n "$dlls" ]; then
        echo "$file imports: $(echo $dlls)" >&2
        exit 1
    fi
    entry=$(printf '%s\n' "$table" | awk '$1 == "AddressOfEntryPoint" { print $2 }')
    if [ -z "$entry" ] || [ -n "$(echo "$entry" | tr -d 0)" ]; then
        echo "$file has an entry point ($entry)" >&2
        exit 1
    fi
    echo "imports: none, no entry point"
    exit 0
    ;;
imports_none_of)
    found=$("$tool" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    bad=0
    for dll in "$@"; do
        if printf '%s\n' $found | grep -qx "$dll.dll"; then
            echo "$file imports $dll.dll, which it should load only when needed" >&2
            bad=1
        fi
    done
    echo "imports: $(echo $found)"
    exit $bad
    ;;
imports)
    table=$("$tool" -p "$file")
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
    # Functions of Windows Vista and later that this code or the compiler's
    # runtime could reach; a program importing one does not start on XP.
    newer='GetTickCount64 GetSystemTimePreciseAsFileTime
        InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared ReleaseSRWLockExclusive
        ReleaseSRWLockShared TryAcquireSRWLockExclusive TryAcquireSRWLockShared
        InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW
        WakeConditionVariable WakeAllConditionVariable InitOnceExecuteOnce
        InitOnceBeginInitialize InitOnceComplete FlsAlloc FlsFree FlsGetValue FlsSetValue
        CreateEventExA CreateEventExW CreateMutexExA CreateMutexExW CreateSemaphoreExA
        CreateSemaphoreExW GetFileInformationByHandleEx SetFileInformationByHandle CancelIoEx
        GetFinalPathNameByHandleA GetFinalPathNameByHandleW QueryFullProcessImageNameA
        QueryFullProcessImageNameW CreateSymbolicLinkA CreateSymbolicLinkW
        RegGetValueA RegGetValueW RegDeleteTreeA RegDeleteTreeW RegSetKeyValueA RegSetKeyValueW
        GetLocaleInfoEx LCMapStringEx CompareStringEx'
    newer=" $(echo $newer) "
    functions=$(printf '%s\n' "$table" | awk 'NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print $3 }')
    for function in $functions; do
        case $newer in
        *" $function "*) echo "$file imports $function, which Windows XP lacks" >&2; bad=1 ;;
        esac
    done
    echo "imports: $(echo $found)"
    exit $bad
    ;;
exports)
    table=$("$tool" -p "$file")
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
    echo "usage: check.sh imports|exports OBJDUMP FILE [NAME...] | manifest OBJDUMP FILE" >&2
    exit 2
    ;;
esac
