#include "driver_installer.h"

// After windows.h, which it needs.
#include <newdev.h>

#include "headset_presence.h"
#include "install_steps.h"
#include "unique_handle.h"

namespace setup {
namespace {

constexpr char kDeviceHardwareId[] = "USB\\Vid_A5C1&Pid_0D31";
constexpr char kDeviceKeyNT[] = "System\\CurrentControlSet\\Enum\\USB\\Vid_A5C1&Pid_0D31";

std::string FullPath(const char* fileName) {
    char* filePart = nullptr;
    const DWORD needed = GetFullPathNameA(fileName, 0, nullptr, &filePart);
    if (needed == 0) {
        return {};
    }
    std::string path(needed, '\0');
    const DWORD length = GetFullPathNameA(fileName, needed, path.data(), &filePart);
    if (length == 0 || length >= needed) {
        return {};
    }
    path.resize(length);
    return path;
}

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    const tavimo::Unique<HANDLE, &FindClose> owner(search);
    return true;
}

bool DeviceKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDeviceKeyNT, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    const tavimo::UniqueKey owner(key);
    return true;
}

}  // namespace

int DriverInstaller::Install() {
    infPath_ = FullPath("qrveq.inf");
    if (infPath_.empty() || !FileExists(infPath_)) {
        SetDetail(detail_, 0);
    } else if (!CopySupportFiles("\\system32")) {
        SetDetail(detail_, 6);
    } else if (!DeviceKeyExists()) {
        PlaceInf();  // a headset attached later finds its driver
    }
    if (!WaitForHeadset()) {
        return PlaceInf();
    }
    return UpdateDriver();
}

int DriverInstaller::Remove() {
    const std::optional<std::string> windows = WindowsDirectory();
    infPath_ = windows.value_or("") + "\\inf\\usb.inf";
    if (!windows || !FileExists(infPath_)) {
        SetDetail(detail_, 0);
    }
    if (!WaitForHeadset()) {
        return 2;
    }
    return UpdateDriver();
}

bool DriverInstaller::WaitForHeadset() {
    return WaitWithPrompt(retryText_, [this] { return HeadsetPresent(api_, kDeviceHardwareId); });
}

// A new INF needs a copy style that lets the store take one it does not
// hold yet: SP_COPY_REPLACEONLY would place only an INF placed before.
int DriverInstaller::PlaceInf() {
    if (!api_.CopyOEMInf(infPath_.c_str(), nullptr, SPOST_PATH, 0)) {
        SetDetail(detail_, static_cast<int>(GetLastError()));
        return 2;
    }
    if (!CodecAnswers()) {
        SetDetail(detail_, 5);
        return 2;
    }
    return 0;
}

int DriverInstaller::UpdateDriver() {
    BOOL restart = FALSE;
    if (!api_.UpdateDriver(nullptr, kDeviceHardwareId, infPath_.c_str(), INSTALLFLAG_FORCE,
                           &restart)) {
        SetDetail(detail_, 2);
        return 2;
    }
    return restart && !CodecAnswers() ? 1 : 0;
}

}  // namespace setup
