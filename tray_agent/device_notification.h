// One registration for device notifications on a window, released exactly
// once through the boundary that made it.
#pragma once

#include <windows.h>

#include "platform_api.h"

namespace tray {

class NotificationRegistration {
public:
    NotificationRegistration(devices::PlatformApi& platform, HWND window, void* filter)
        : platform_(platform),
          handle_(platform.RegisterNotification(window, filter, DEVICE_NOTIFY_WINDOW_HANDLE)) {}
    ~NotificationRegistration() {
        if (handle_ != nullptr) {
            platform_.UnregisterNotification(handle_);
        }
    }
    NotificationRegistration(const NotificationRegistration&) = delete;
    NotificationRegistration& operator=(const NotificationRegistration&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }

private:
    devices::PlatformApi& platform_;
    HDEVNOTIFY handle_;
};

}  // namespace tray
