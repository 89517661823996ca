#include "hid_api.h"

namespace devices {
namespace {

class SystemHidApi final : public SystemInterfaceList<HidApi> {
public:
    void GetHidGuid(GUID* guid) override { HidD_GetHidGuid(guid); }

    HANDLE CreateDeviceFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                            DWORD flags) override {
        return CreateFileA(path, access, share, nullptr, disposition, flags, nullptr);
    }
    BOOL ReadFile(HANDLE file, void* buffer, DWORD size, DWORD* read,
                  OVERLAPPED* overlapped) override {
        return ::ReadFile(file, buffer, size, read, overlapped);
    }
    BOOL GetOverlappedResult(HANDLE file, OVERLAPPED* overlapped, DWORD* transferred,
                             BOOL wait) override {
        return ::GetOverlappedResult(file, overlapped, transferred, wait);
    }
    BOOL WriteFile(HANDLE file, const void* buffer, DWORD size, DWORD* written) override {
        return ::WriteFile(file, buffer, size, written, nullptr);
    }
    BOOL CancelIo(HANDLE file) override { return ::CancelIo(file); }
    BOOL CloseHandle(HANDLE file) override { return ::CloseHandle(file); }

    BOOLEAN GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes) override {
        return HidD_GetAttributes(device, attributes);
    }
    BOOLEAN GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data) override {
        return HidD_GetPreparsedData(device, data);
    }
    BOOLEAN FreePreparsedData(PHIDP_PREPARSED_DATA data) override {
        return HidD_FreePreparsedData(data);
    }
    BOOLEAN GetManufacturerString(HANDLE device, void* buffer, ULONG size) override {
        return HidD_GetManufacturerString(device, buffer, size);
    }
    BOOLEAN GetProductString(HANDLE device, void* buffer, ULONG size) override {
        return HidD_GetProductString(device, buffer, size);
    }
    BOOLEAN GetSerialNumberString(HANDLE device, void* buffer, ULONG size) override {
        return HidD_GetSerialNumberString(device, buffer, size);
    }

    NTSTATUS GetCaps(PHIDP_PREPARSED_DATA data, HIDP_CAPS* caps) override {
        return HidP_GetCaps(data, caps);
    }
    NTSTATUS GetSpecificButtonCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                                   HIDP_BUTTON_CAPS* caps, USHORT* length,
                                   PHIDP_PREPARSED_DATA data) override {
        return HidP_GetSpecificButtonCaps(type, page, link, usage, caps, length, data);
    }
    NTSTATUS GetSpecificValueCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                                  HIDP_VALUE_CAPS* caps, USHORT* length,
                                  PHIDP_PREPARSED_DATA data) override {
        return HidP_GetSpecificValueCaps(type, page, link, usage, caps, length, data);
    }
    ULONG MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE page,
                             PHIDP_PREPARSED_DATA data) override {
        return HidP_MaxUsageListLength(type, page, data);
    }
    NTSTATUS GetUsagesEx(HIDP_REPORT_TYPE type, USHORT link, USAGE_AND_PAGE* list, ULONG* length,
                         PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override {
        return HidP_GetUsagesEx(type, link, list, length, data, report, reportLength);
    }
    NTSTATUS GetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                           ULONG* value, PHIDP_PREPARSED_DATA data, char* report,
                           ULONG reportLength) override {
        return HidP_GetUsageValue(type, page, link, usage, value, data, report, reportLength);
    }
    NTSTATUS SetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage, ULONG value,
                           PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override {
        return HidP_SetUsageValue(type, page, link, usage, value, data, report, reportLength);
    }
    NTSTATUS SetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE* list, ULONG* length,
                       PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override {
        return HidP_SetUsages(type, page, link, list, length, data, report, reportLength);
    }
    NTSTATUS UnsetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE* list, ULONG* length,
                         PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override {
        return HidP_UnsetUsages(type, page, link, list, length, data, report, reportLength);
    }
};

}  // namespace

HidApi& SystemHid() {
    static SystemHidApi api;
    return api;
}

}  // namespace devices
