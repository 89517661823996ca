// Device-interface enumeration with SetupDi, one call for one call: the part
// that the HID class services and the filter driver's pipe share.
#pragma once

#include <windows.h>

#include <setupapi.h>

namespace devices {

class InterfaceListApi {
public:
    virtual ~InterfaceListApi() = default;

    virtual HDEVINFO GetClassDevs(const GUID* guid, DWORD flags) = 0;
    virtual BOOL EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                                      SP_DEVICE_INTERFACE_DATA* data) = 0;
    virtual BOOL GetDeviceInterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                          SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                          DWORD* required) = 0;
    virtual BOOL DestroyDeviceInfoList(HDEVINFO set) = 0;
};

// The system's SetupDi calls, for an interface built on InterfaceListApi.
template <typename Api>
class SystemInterfaceList : public Api {
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
};

}  // namespace devices
