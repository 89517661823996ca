#include "pipe_channel.h"

#include <vector>

namespace headset {
namespace {

constexpr char kPipeName[] = "\\PIPE00";

// Closes the pipe through the boundary that opened it.
class PipeHandle {
public:
    PipeHandle(devices::PipeApi& api, HANDLE handle) : api_(api), handle_(handle) {}
    ~PipeHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            api_.ClosePipe(handle_);
        }
    }
    PipeHandle(const PipeHandle&) = delete;
    PipeHandle& operator=(const PipeHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    devices::PipeApi& api_;
    HANDLE handle_;
};

}  // namespace

// The detail is read at the size SetupDi reports, so a path of any length
// arrives whole.
std::string PipeChannel::ReadPath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
    DWORD required = 0;
    api_.GetDeviceInterfaceDetail(set, &data, nullptr, 0, &required);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
        required <= offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath)) {
        return {};
    }
    std::vector<char> storage(required + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!api_.GetDeviceInterfaceDetail(set, &data, detail, required, nullptr)) {
        return {};
    }
    return detail->DevicePath;
}

bool PipeChannel::Find() {
    path_.clear();
    const HDEVINFO set =
        api_.GetClassDevs(&devices::kFilterDriverClass, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return false;
    }
    for (DWORD index = 0; path_.empty(); ++index) {
        SP_DEVICE_INTERFACE_DATA data = {};
        data.cbSize = sizeof data;
        if (!api_.EnumDeviceInterfaces(set, &devices::kFilterDriverClass, index, &data)) {
            break;
        }
        path_ = ReadPath(set, data);
    }
    api_.DestroyDeviceInfoList(set);
    return HasPath();
}

DWORD PipeChannel::Write(const void* data, DWORD size) {
    if (path_.empty()) {
        return 0;
    }
    const std::string pipe = path_ + kPipeName;
    HANDLE opened = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kPipeAttempts && opened == INVALID_HANDLE_VALUE; ++attempt) {
        opened = api_.CreatePipeFile(pipe.c_str(), GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0);
        if (opened == INVALID_HANDLE_VALUE) {
            platform_.Wait(kPipeRetryPause);
        }
    }
    if (opened == INVALID_HANDLE_VALUE) {
        return 0;
    }
    const PipeHandle handle(api_, opened);
    for (int attempt = 0; attempt < kPipeAttempts; ++attempt) {
        DWORD written = 0;
        if (api_.WritePipe(handle.get(), data, size, &written)) {
            return written;
        }
        platform_.Wait(kPipeRetryPause);
    }
    return 0;
}

}  // namespace headset
