// The frame's registration for arrivals and removals of HID device
// interfaces, released once when the frame goes.
#pragma once

#include <windows.h>

namespace tavimo {

class DeviceNotification {
public:
    DeviceNotification() = default;
    ~DeviceNotification();
    DeviceNotification(const DeviceNotification&) = delete;
    DeviceNotification& operator=(const DeviceNotification&) = delete;

    // Registers window once, except on Windows 98 Second Edition, whose
    // device notifications are not used.
    void Register(HWND window);

private:
    HDEVNOTIFY handle_ = nullptr;
};

}  // namespace tavimo
