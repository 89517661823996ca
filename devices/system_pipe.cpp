#include "pipe_api.h"

namespace devices {
namespace {

class SystemPipeApi final : public PipeApi {
public:
    HDEVINFO GetClassDevs(const GUID* guid, DWORD flags) override {
        return SetupDiGetClassDevsA(guid, nullptr, nullptr, flags);
    }
    BOOL EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                              SP_DEVICE_INTERFACE_DATA* data) override {
        return SetupDiEnumDeviceInterfaces(set, nullptr, guid, index, data);
    }
    BOOL GetDeviceInterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                  SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                  DWORD* required) override {
        return SetupDiGetDeviceInterfaceDetailA(set, data, detail, size, required, nullptr);
    }
    BOOL DestroyDeviceInfoList(HDEVINFO set) override { return SetupDiDestroyDeviceInfoList(set); }

    HANDLE CreatePipeFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                          DWORD flags) override {
        return CreateFileA(path, access, share, nullptr, disposition, flags, nullptr);
    }
    BOOL WritePipe(HANDLE file, const void* buffer, DWORD size, DWORD* written) override {
        return ::WriteFile(file, buffer, size, written, nullptr);
    }
    BOOL ClosePipe(HANDLE file) override { return ::CloseHandle(file); }
};

}  // namespace

PipeApi& SystemPipe() {
    static SystemPipeApi api;
    return api;
}

}  // namespace devices
