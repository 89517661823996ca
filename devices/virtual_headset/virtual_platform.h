// The virtual headset's side of the system: waits are counted (and slept
// only when asked, as for a demo that should take the system's time), and
// windows registered for device-interface notifications get the
// broadcasts of the headset's arrival and removal.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform_api.h"

namespace devices {

class VirtualPlatform final : public PlatformApi {
public:
    std::vector<DWORD> Waits() const;
    void ClearWaits();
    // From now on each wait is slept as well as counted.
    void SleepWaits(bool sleep);
    // Windows registered now.
    std::vector<HWND> Registered() const;
    // Registrations made and not yet released.
    int LiveRegistrations() const;
    // The next count registrations fail.
    void FailRegistrations(int count);

    // WM_DEVICECHANGE with a device-interface broadcast naming path, sent to
    // every registered window.
    void BroadcastInterface(WPARAM event, const std::string& path) const;
    // A message the system sends every top-level window, sent to the
    // registered ones.
    void SendToRegistered(UINT message, WPARAM wParam, LPARAM lParam) const;

    void Wait(DWORD milliseconds) override;
    HDEVNOTIFY RegisterNotification(HWND window, void* filter, DWORD flags) override;
    BOOL UnregisterNotification(HDEVNOTIFY handle) override;

private:
    mutable std::mutex lock_;
    std::vector<DWORD> waits_;
    bool sleepWaits_ = false;
    int failRegistrations_ = 0;
    std::vector<HWND> windows_;  // index + 1 is the handle's value; null when released
};

}  // namespace devices
