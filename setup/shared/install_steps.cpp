#include "install_steps.h"

#include <windows.h>

#include "outside_library.h"
#include "unique_handle.h"

namespace setup {
namespace {

struct SupportFile {
    const char* name;
    const char* folder;  // null: the system folder
};

constexpr SupportFile kSupportFiles[] = {
    {"hsfilt.sys", "\\system32\\drivers"},
    {"hsio.dll", nullptr},
    {"bandcalc.dll", nullptr},
    {"qrveq.inf", "\\inf"},
};

bool CopyOne(const std::string& windows, const SupportFile& file, const char* systemFolder) {
    const std::string destination =
        windows + (file.folder != nullptr ? file.folder : systemFolder) + "\\" + file.name;
    if (CopyFileA(file.name, destination.c_str(), FALSE)) {
        return true;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

}  // namespace

std::optional<std::string> WindowsDirectory() {
    char buffer[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) {
        return std::nullopt;
    }
    std::string directory(buffer, length);
    if (directory.back() == '\\') {
        directory.pop_back();  // the root of a drive
    }
    return directory;
}

bool CopySupportFiles(const char* systemFolder) {
    const std::optional<std::string> windows = WindowsDirectory();
    if (!windows) {
        return false;
    }
    for (const SupportFile& file : kSupportFiles) {
        if (!CopyOne(*windows, file, systemFolder)) {
            return false;
        }
    }
    return true;
}

bool CodecAnswers() {
    const tavimo::UniqueModule library(LoadLibraryA("HSIO.DLL"));
    if (!library) {
        return false;
    }
    FARPROC getMem = nullptr, setMem = nullptr, dspRead = nullptr, dspWrite = nullptr;
    if (!tavimo::ResolveAll(library.get(), {{"_HsioGetMem@12", &getMem},
                                            {"_HsioSetMem@12", &setMem},
                                            {"_HsioXDSPRead@8", &dspRead},
                                            {"_HsioXDSPWrite@8", &dspWrite}})) {
        return false;
    }
    using GetMemFn = BOOL(WINAPI*)(DWORD, DWORD, BYTE*);
    BYTE byte = 0;
    return reinterpret_cast<GetMemFn>(reinterpret_cast<void*>(getMem))(0, 1, &byte) != FALSE;
}

bool WaitWithPrompt(const char* text, const std::function<bool()>& ready) {
    while (!ready()) {
        if (MessageBoxA(nullptr, text != nullptr ? text : "", nullptr, MB_RETRYCANCEL) != IDRETRY) {
            return false;
        }
    }
    return true;
}

}  // namespace setup
