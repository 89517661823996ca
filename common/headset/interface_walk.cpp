#include "interface_walk.h"

#include <cstddef>
#include <vector>

namespace headset {
namespace {

// The detail is read at the size SetupDi reports, so a path of any length
// arrives whole and terminated.
std::string ReadPath(devices::InterfaceListApi& api, HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
    DWORD required = 0;
    api.GetDeviceInterfaceDetail(set, &data, nullptr, 0, &required);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
        required <= offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath)) {
        return {};
    }
    std::vector<char> storage(required + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!api.GetDeviceInterfaceDetail(set, &data, detail, required, nullptr)) {
        return {};
    }
    return detail->DevicePath;
}

}  // namespace

std::string WalkInterfaces(devices::InterfaceListApi& api, const GUID& interfaceClass,
                           const std::function<bool(const std::string& path)>& visit) {
    const HDEVINFO set = api.GetClassDevs(&interfaceClass, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string accepted;
    for (DWORD index = 0; accepted.empty(); ++index) {
        SP_DEVICE_INTERFACE_DATA data = {};
        data.cbSize = sizeof data;
        if (!api.EnumDeviceInterfaces(set, &interfaceClass, index, &data)) {
            break;  // ERROR_NO_MORE_ITEMS, or nothing more to be had
        }
        const std::string path = ReadPath(api, set, data);
        if (!path.empty() && visit(path)) {
            accepted = path;
        }
    }
    api.DestroyDeviceInfoList(set);
    return accepted;
}

}  // namespace headset
