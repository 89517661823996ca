#include "device_notification.h"

#include <dbt.h>

namespace tavimo {
namespace {

// Windows 98 Second Edition: version 4.10 with "A" as the second character
// of the service-pack text.
bool IsWindows98SecondEdition(const OSVERSIONINFOA& version) {
    return version.dwMajorVersion == 4 && version.dwMinorVersion == 10 &&
           version.szCSDVersion[1] == 'A';
}

}  // namespace

DeviceNotification::~DeviceNotification() {
    if (handle_ != nullptr) {
        platform_.UnregisterNotification(handle_);
    }
}

void DeviceNotification::Register(HWND window, devices::HidApi& hid) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (handle_ != nullptr || !GetVersionExA(&version) || IsWindows98SecondEdition(version)) {
        return;
    }
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    hid.GetHidGuid(&filter.dbcc_classguid);
    handle_ = platform_.RegisterNotification(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

}  // namespace tavimo
