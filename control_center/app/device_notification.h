// The frame's registration for arrivals and removals of HID device
// interfaces, released once when the frame goes.
#pragma once

#include <windows.h>

#include "hid_api.h"
#include "platform_api.h"

namespace tavimo {

class DeviceNotification {
public:
    explicit DeviceNotification(devices::PlatformApi& platform) : platform_(platform) {}
    ~DeviceNotification();
    DeviceNotification(const DeviceNotification&) = delete;
    DeviceNotification& operator=(const DeviceNotification&) = delete;

    // Registers window once for the HID class's interfaces, except on
    // Windows 98 Second Edition, whose device notifications are not used.
    void Register(HWND window, devices::HidApi& hid);

private:
    devices::PlatformApi& platform_;
    HDEVNOTIFY handle_ = nullptr;
};

}  // namespace tavimo
