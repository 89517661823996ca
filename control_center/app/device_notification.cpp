#include "device_notification.h"

#include <dbt.h>

extern "C" {
// From the HID class driver library; its header needs the driver kit.
void __stdcall HidD_GetHidGuid(GUID* guid);
}

namespace tavimo {

bool IsWindows98SecondEdition(const OSVERSIONINFOA& version) {
    return version.dwMajorVersion == 4 && version.dwMinorVersion == 10 &&
           version.szCSDVersion[1] == 'A';
}

DeviceNotification::~DeviceNotification() {
    if (handle_ != nullptr) {
        UnregisterDeviceNotification(handle_);
    }
}

void DeviceNotification::Register(HWND window) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (handle_ != nullptr || !GetVersionExA(&version) || IsWindows98SecondEdition(version)) {
        return;
    }
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HidD_GetHidGuid(&filter.dbcc_classguid);
    handle_ = RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

}  // namespace tavimo
