#include "os_version.h"

#include <windows.h>

#include "library_function.h"

namespace applet {

OsVersionRecord ReadOsVersion() {
    using GetVersionExFn = BOOL(WINAPI*)(OSVERSIONINFOA*);
    OsVersionRecord record;
    const auto getVersionEx =
        tavimo::LibraryFunction<GetVersionExFn>(GetModuleHandleA("KERNEL32.DLL"), "GetVersionExA");
    if (getVersionEx == nullptr) {
        const DWORD version = GetVersion();
        record.platformId = VER_PLATFORM_WIN32_NT;
        record.major = LOBYTE(LOWORD(version));
        record.minor = HIBYTE(LOWORD(version));
        return record;
    }
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (getVersionEx(&info)) {
        record.platformId = info.dwPlatformId;
        record.major = info.dwMajorVersion;
        record.minor = info.dwMinorVersion;
        record.build = LOWORD(info.dwBuildNumber);
    }
    return record;
}

}  // namespace applet
