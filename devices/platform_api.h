// What the headset model and the frame ask of the system beside the devices
// themselves: waiting between tries, and the registration for
// device-interface notifications (through which device arrival and removal
// reach a window).
#pragma once

#include <windows.h>

namespace devices {

class PlatformApi {
public:
    virtual ~PlatformApi() = default;

    virtual void Wait(DWORD milliseconds) = 0;
    virtual HDEVNOTIFY RegisterNotification(HWND window, void* filter, DWORD flags) = 0;
    virtual BOOL UnregisterNotification(HDEVNOTIFY handle) = 0;
};

// The system's services (kernel32, user32).
PlatformApi& SystemPlatform();

}  // namespace devices
