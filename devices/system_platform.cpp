#include "platform_api.h"

namespace devices {
namespace {

class SystemPlatformApi final : public PlatformApi {
public:
    void Wait(DWORD milliseconds) override { Sleep(milliseconds); }
    HDEVNOTIFY RegisterNotification(HWND window, void* filter, DWORD flags) override {
        return ::RegisterDeviceNotificationA(window, filter, flags);
    }
    BOOL UnregisterNotification(HDEVNOTIFY handle) override {
        return ::UnregisterDeviceNotification(handle);
    }
};

}  // namespace

PlatformApi& SystemPlatform() {
    static SystemPlatformApi api;
    return api;
}

}  // namespace devices
