// The headset filter driver's device interface and its bulk pipe, one call
// for one call: found with SetupDi by the driver's interface class, opened
// and written as a file.
#pragma once

#include <windows.h>

#include <setupapi.h>

namespace devices {

// The filter driver's device-interface class.
inline constexpr GUID kFilterDriverClass = {
    0x6A1F2C3D, 0x4E5B, 0x4A79, {0x8C, 0x0D, 0x1E, 0x2F, 0x3A, 0x4B, 0x5C, 0x6D}};

class PipeApi {
public:
    virtual ~PipeApi() = default;

    virtual HDEVINFO GetClassDevs(const GUID* guid, DWORD flags) = 0;
    virtual BOOL EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                                      SP_DEVICE_INTERFACE_DATA* data) = 0;
    virtual BOOL GetDeviceInterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                          SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                          DWORD* required) = 0;
    virtual BOOL DestroyDeviceInfoList(HDEVINFO set) = 0;

    virtual HANDLE CreatePipeFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                                  DWORD flags) = 0;
    virtual BOOL WritePipe(HANDLE file, const void* buffer, DWORD size, DWORD* written) = 0;
    virtual BOOL ClosePipe(HANDLE file) = 0;
};

// The system's services (setupapi, kernel32).
PipeApi& SystemPipe();

}  // namespace devices
