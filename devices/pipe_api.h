// The headset filter driver's device interface and its bulk pipe, one call
// for one call: found with SetupDi by the driver's interface class, opened
// and written as a file.
#pragma once

#include <windows.h>

#include "interface_list_api.h"

namespace devices {

// The filter driver's device-interface class.
inline constexpr GUID kFilterDriverClass = {
    0x6A1F2C3D, 0x4E5B, 0x4A79, {0x8C, 0x0D, 0x1E, 0x2F, 0x3A, 0x4B, 0x5C, 0x6D}};

class PipeApi : public InterfaceListApi {
public:
    virtual HANDLE CreatePipeFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                                  DWORD flags) = 0;
    virtual BOOL WritePipe(HANDLE file, const void* buffer, DWORD size, DWORD* written) = 0;
    virtual BOOL ClosePipe(HANDLE file) = 0;
};

// The system's services (setupapi, kernel32).
PipeApi& SystemPipe();

}  // namespace devices
