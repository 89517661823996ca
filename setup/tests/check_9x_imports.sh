#!/bin/sh
# Checks that a library imports no function that Windows 98 and Me lack:
# the functions of the NT line only (and of later Windows) that the
# compiler's runtime or the library's own code could reach.
#   check_9x_imports.sh OBJDUMP FILE
set -eu
tool=$1 file=$2
[ -f "$file" ] || { echo "no such file: $file" >&2; exit 1; }
nt_only='AddVectoredExceptionHandler RemoveVectoredExceptionHandler TryEnterCriticalSection
    SwitchToThread SignalObjectAndWait GetFileSizeEx SetFilePointerEx GetModuleHandleExA
    GetModuleHandleExW InitializeCriticalSectionEx GetTickCount64 SetDllDirectoryA
    SetDllDirectoryW CreateHardLinkA GetLongPathNameW GetSystemTimes IsWow64Process
    GetNativeSystemInfo GetFileAttributesExW FindFirstFileExA FindFirstFileExW
    CreateWaitableTimerW ConvertFiberToThread FlsAlloc FlsGetValue FlsSetValue FlsFree
    InitializeSListHead InterlockedPushEntrySList InterlockedPopEntrySList
    HeapSetInformation GetLogicalProcessorInformation QueueUserWorkItem
    CreateTimerQueueTimer DeleteTimerQueueTimer'
imports=$("$tool" -p "$file" | awk '/DLL Name:/ { in_dll = 1; next } in_dll && NF >= 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }')
[ -n "$imports" ] || { echo "$file: no imported function found" >&2; exit 1; }
bad=0
for name in $imports; do
    case " $(echo $nt_only) " in
    *" $name "*) echo "$file imports $name, which Windows 98 and Me lack" >&2; bad=1 ;;
    esac
done
[ "$bad" -eq 0 ] && echo "imports: $(echo "$imports" | wc -l) functions, all on Windows 98 and Me"
exit $bad
