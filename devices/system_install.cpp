#include "install_api.h"

// After windows.h, which it needs.
#include <newdev.h>

namespace devices {
namespace {

class SystemInstallApi final : public InstallApi {
public:
    HDEVINFO GetClassDevs(const GUID* setupClass, DWORD flags) override {
        return SetupDiGetClassDevsA(setupClass, nullptr, nullptr, flags);
    }
    BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) override {
        return SetupDiEnumDeviceInfo(set, index, data);
    }
    BOOL GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property, DWORD* type,
                                   BYTE* buffer, DWORD size, DWORD* required) override {
        return SetupDiGetDeviceRegistryPropertyA(set, data, property, type, buffer, size, required);
    }
    BOOL DestroyDeviceInfoList(HDEVINFO set) override { return SetupDiDestroyDeviceInfoList(set); }
    BOOL CopyOEMInf(const char* infPath, const char* mediaLocation, DWORD mediaType,
                    DWORD copyStyle) override {
        return SetupCopyOEMInfA(infPath, mediaLocation, mediaType, copyStyle, nullptr, 0, nullptr,
                                nullptr);
    }
    BOOL UpdateDriver(HWND owner, const char* hardwareId, const char* infPath, DWORD flags,
                      BOOL* restart) override {
        return UpdateDriverForPlugAndPlayDevicesA(owner, hardwareId, infPath, flags, restart);
    }
};

}  // namespace

InstallApi& SystemInstall() {
    static SystemInstallApi api;
    return api;
}

}  // namespace devices
