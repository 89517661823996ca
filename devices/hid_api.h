// The HID class services the headset model uses (device-interface
// enumeration, HidD and HidP calls, and the device's file I/O), one call for
// one call, so that it runs against the system's devices or the virtual
// headset. Failures set the thread's last error as the system calls do.
#pragma once

#include <windows.h>

#include <setupapi.h>

#include "interface_list_api.h"

// MinGW's HID headers do not declare C linkage themselves.
extern "C" {
#include <hidusage.h>  // first: the others use its types

#include <hidpi.h>
#include <hidsdi.h>
}

namespace devices {

class HidApi : public InterfaceListApi {
public:
    virtual void GetHidGuid(GUID* guid) = 0;

    virtual HANDLE CreateDeviceFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                                    DWORD flags) = 0;
    virtual BOOL ReadFile(HANDLE file, void* buffer, DWORD size, DWORD* read,
                          OVERLAPPED* overlapped) = 0;
    virtual BOOL GetOverlappedResult(HANDLE file, OVERLAPPED* overlapped, DWORD* transferred,
                                     BOOL wait) = 0;
    virtual BOOL WriteFile(HANDLE file, const void* buffer, DWORD size, DWORD* written) = 0;
    virtual BOOL CancelIo(HANDLE file) = 0;
    virtual BOOL CloseHandle(HANDLE file) = 0;

    virtual BOOLEAN GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes) = 0;
    virtual BOOLEAN GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data) = 0;
    virtual BOOLEAN FreePreparsedData(PHIDP_PREPARSED_DATA data) = 0;
    virtual BOOLEAN GetManufacturerString(HANDLE device, void* buffer, ULONG size) = 0;
    virtual BOOLEAN GetProductString(HANDLE device, void* buffer, ULONG size) = 0;
    virtual BOOLEAN GetSerialNumberString(HANDLE device, void* buffer, ULONG size) = 0;

    virtual NTSTATUS GetCaps(PHIDP_PREPARSED_DATA data, HIDP_CAPS* caps) = 0;
    virtual NTSTATUS GetSpecificButtonCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT link,
                                           USAGE usage, HIDP_BUTTON_CAPS* caps, USHORT* length,
                                           PHIDP_PREPARSED_DATA data) = 0;
    virtual NTSTATUS GetSpecificValueCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT link,
                                          USAGE usage, HIDP_VALUE_CAPS* caps, USHORT* length,
                                          PHIDP_PREPARSED_DATA data) = 0;
    virtual ULONG MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE page,
                                     PHIDP_PREPARSED_DATA data) = 0;
    virtual NTSTATUS GetUsagesEx(HIDP_REPORT_TYPE type, USHORT link, USAGE_AND_PAGE* list,
                                 ULONG* length, PHIDP_PREPARSED_DATA data, char* report,
                                 ULONG reportLength) = 0;
    virtual NTSTATUS GetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                                   ULONG* value, PHIDP_PREPARSED_DATA data, char* report,
                                   ULONG reportLength) = 0;
    virtual NTSTATUS SetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                                   ULONG value, PHIDP_PREPARSED_DATA data, char* report,
                                   ULONG reportLength) = 0;
    virtual NTSTATUS SetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE* list,
                               ULONG* length, PHIDP_PREPARSED_DATA data, char* report,
                               ULONG reportLength) = 0;
    virtual NTSTATUS UnsetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE* list,
                                 ULONG* length, PHIDP_PREPARSED_DATA data, char* report,
                                 ULONG reportLength) = 0;
};

// The system's HID class services (setupapi, hid, kernel32).
HidApi& SystemHid();

}  // namespace devices
