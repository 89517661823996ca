// Device installation, one call for one call: the present devices of a
// setup class with their hardware ids (SetupDi), placing an INF in the
// system's INF store, and forcing the driver of the devices with a hardware
// id to be updated from an INF.
#pragma once

#include <windows.h>

#include <setupapi.h>

namespace devices {

// The setup class of USB devices.
inline constexpr GUID kUsbDeviceClass = {
    0x36FC9E60, 0xC465, 0x11CF, {0x80, 0x56, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

class InstallApi {
public:
    virtual ~InstallApi() = default;

    virtual HDEVINFO GetClassDevs(const GUID* setupClass, DWORD flags) = 0;
    virtual BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) = 0;
    virtual BOOL GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property,
                                           DWORD* type, BYTE* buffer, DWORD size,
                                           DWORD* required) = 0;
    virtual BOOL DestroyDeviceInfoList(HDEVINFO set) = 0;
    // SetupCopyOEMInfA with no destination buffer asked for.
    virtual BOOL CopyOEMInf(const char* infPath, const char* mediaLocation, DWORD mediaType,
                            DWORD copyStyle) = 0;
    // UpdateDriverForPlugAndPlayDevicesA.
    virtual BOOL UpdateDriver(HWND owner, const char* hardwareId, const char* infPath, DWORD flags,
                              BOOL* restart) = 0;
};

// The system's services (setupapi, newdev).
InstallApi& SystemInstall();

}  // namespace devices
