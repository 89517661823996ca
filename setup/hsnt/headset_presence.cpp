#include "headset_presence.h"

#include <vector>

#include "hardware_ids.h"

namespace setup {
namespace {

// Hardware ids are a few hundred bytes; a size beyond this is no answer.
constexpr DWORD kLargestProperty = 64 * 1024;

class DeviceSetOwner {
public:
    DeviceSetOwner(devices::InstallApi& api, HDEVINFO set) : api_(api), set_(set) {}
    ~DeviceSetOwner() { api_.DestroyDeviceInfoList(set_); }
    DeviceSetOwner(const DeviceSetOwner&) = delete;
    DeviceSetOwner& operator=(const DeviceSetOwner&) = delete;

private:
    devices::InstallApi& api_;
    HDEVINFO set_;
};

bool DeviceHasId(devices::InstallApi& api, HDEVINFO set, SP_DEVINFO_DATA& device,
                 const char* hardwareId) {
    std::vector<BYTE> buffer(256, 0);
    for (;;) {
        const auto size = static_cast<DWORD>(buffer.size());
        DWORD required = 0;
        if (api.GetDeviceRegistryProperty(set, &device, SPDRP_HARDWAREID, nullptr, buffer.data(),
                                          size, &required)) {
            const DWORD filled = required != 0 && required < size ? required : size;
            return HasHardwareId(buffer.data(), filled, hardwareId);
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= size ||
            required > kLargestProperty) {
            return false;  // no hardware id, or no sensible size for it
        }
        buffer.assign(required, 0);
    }
}

}  // namespace

bool HeadsetPresent(devices::InstallApi& api, const char* hardwareId) {
    const HDEVINFO set = api.GetClassDevs(&devices::kUsbDeviceClass, DIGCF_PRESENT | DIGCF_PROFILE);
    if (set == INVALID_HANDLE_VALUE || set == nullptr) {
        return false;
    }
    const DeviceSetOwner owner(api, set);
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device = {};
        device.cbSize = sizeof device;
        if (!api.EnumDeviceInfo(set, index, &device)) {
            return false;
        }
        if (DeviceHasId(api, set, device, hardwareId)) {
            return true;
        }
    }
}

}  // namespace setup
