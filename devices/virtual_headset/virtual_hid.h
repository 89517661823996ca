// The virtual headset's HID side, beside other HID devices (Wine's own
// mouse and keyboard are HID devices of another vendor): enumeration,
// identity strings, report descriptors of the consumer page, overlapped
// input reads that complete when a test presses a button, output reports
// recorded for tests (and an observer told of each), and unplugging. Safe to use from the reader
// thread and the test's thread at once.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "hid_api.h"

namespace devices {

class VirtualHid final : public HidApi {
public:
    struct Device {
        USHORT vendorId = 0xA5C1;
        USHORT productId = 0x0B52;
        USHORT version = 0x0100;
        std::wstring manufacturer = L"Quorvel";
        std::wstring product = L"Quorvel USB Headset";
        std::wstring serial = L"200-0417-0102";
        bool hasOutputReport = true;
        // The output report carries the gain value (0xE0) beside the mute
        // button.
        bool hasGainValue = true;
        // A second input button group covering a range of usages
        // (volume up 0xE9 and down 0xEA).
        bool hasVolumeRange = false;
        LONG gainMinimum = 0, gainMaximum = 15;
        bool failPreparsedData = false;
        // A device that another program holds: it opens for reading only.
        bool opensForWriting = true;
        // A device whose serial-number string cannot be read at all.
        bool serialReadable = true;
        // A faulty device: its strings fill the caller's buffer as far as
        // they reach, without a terminating zero.
        bool unterminatedStrings = false;
        // A faulty descriptor: this many input value groups, each a range
        // over the usages 1 .. inputValueLastUsage, and the usage-list
        // length the device claims (0: the true one).
        USHORT inputValueGroups = 0;
        USAGE inputValueLastUsage = 1;
        ULONG claimedUsageListLength = 0;
    };

    // Consumer page usages and the report layouts of the virtual headset:
    // input [id, buttons]; output [id, mute, gain low, gain high]. Input
    // reports of any other id cannot be decoded.
    static constexpr USAGE kConsumerPage = 0x0C;
    static constexpr USAGE kMuteUsage = 0xE2;
    static constexpr USAGE kGainUsage = 0xE0;
    static constexpr USAGE kVolumeUp = 0xE9;
    static constexpr USAGE kVolumeDown = 0xEA;
    static constexpr BYTE kMuteBit = 1, kVolumeUpBit = 2, kVolumeDownBit = 4;
    static constexpr BYTE kReportId = 0;

    // The HID class interface {4D1E55B2-F16F-11CF-88CB-001111000030}.
    static constexpr GUID kHidClass = {
        0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

    explicit VirtualHid(const std::vector<Device>& devices)
        : devices_(devices.begin(), devices.end()) {}

    // A button report from the device: the buttons down (kMuteBit ...).
    void SendInputReport(BYTE buttons, BYTE reportId = kReportId);
    void Unplug(std::size_t device);
    // A device plugged in; its index (and so its path) is new.
    std::size_t Plug(Device device);
    static std::string Path(std::size_t device);
    std::vector<std::vector<BYTE>> OutputReports() const;
    // The last output report as the headset reads it; none before the first.
    struct GainReport {
        unsigned gain;
        bool mute;
        bool operator==(const GainReport&) const = default;
    };
    std::optional<GainReport> LastGainReport() const;
    // Called after each output report taken, outside the device's lock;
    // empty: none.
    void SetOutputObserver(std::function<void()> observer);
    // Handles and preparsed data given out and not yet released.
    int OpenHandles() const;
    int LivePreparsedData() const;
    bool ReadPending() const;
    // HidP_GetUsageValue calls so far, and the longest usage list a caller
    // offered HidP_GetUsagesEx.
    int UsageValueQueries() const;
    ULONG LargestUsageListOffered() const;

    void GetHidGuid(GUID* guid) override;
    HDEVINFO GetClassDevs(const GUID* guid, DWORD flags) override;
    BOOL EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                              SP_DEVICE_INTERFACE_DATA* data) override;
    BOOL GetDeviceInterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                  SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                  DWORD* required) override;
    BOOL DestroyDeviceInfoList(HDEVINFO set) override;
    HANDLE CreateDeviceFile(const char* path, DWORD access, DWORD share, DWORD disposition,
                            DWORD flags) override;
    BOOL ReadFile(HANDLE file, void* buffer, DWORD size, DWORD* read,
                  OVERLAPPED* overlapped) override;
    BOOL GetOverlappedResult(HANDLE file, OVERLAPPED* overlapped, DWORD* transferred,
                             BOOL wait) override;
    BOOL WriteFile(HANDLE file, const void* buffer, DWORD size, DWORD* written) override;
    BOOL CancelIo(HANDLE file) override;
    BOOL CloseHandle(HANDLE file) override;
    BOOLEAN GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes) override;
    BOOLEAN GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data) override;
    BOOLEAN FreePreparsedData(PHIDP_PREPARSED_DATA data) override;
    BOOLEAN GetManufacturerString(HANDLE device, void* buffer, ULONG size) override;
    BOOLEAN GetProductString(HANDLE device, void* buffer, ULONG size) override;
    BOOLEAN GetSerialNumberString(HANDLE device, void* buffer, ULONG size) override;
    NTSTATUS GetCaps(PHIDP_PREPARSED_DATA data, HIDP_CAPS* caps) override;
    NTSTATUS GetSpecificButtonCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                                   HIDP_BUTTON_CAPS* caps, USHORT* length,
                                   PHIDP_PREPARSED_DATA data) override;
    NTSTATUS GetSpecificValueCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                                  HIDP_VALUE_CAPS* caps, USHORT* length,
                                  PHIDP_PREPARSED_DATA data) override;
    ULONG MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE page, PHIDP_PREPARSED_DATA data) override;
    NTSTATUS GetUsagesEx(HIDP_REPORT_TYPE type, USHORT link, USAGE_AND_PAGE* list, ULONG* length,
                         PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override;
    NTSTATUS GetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                           ULONG* value, PHIDP_PREPARSED_DATA data, char* report,
                           ULONG reportLength) override;
    NTSTATUS SetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage, ULONG value,
                           PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override;
    NTSTATUS SetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE* list, ULONG* length,
                       PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override;
    NTSTATUS UnsetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE* list, ULONG* length,
                         PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) override;

private:
    struct PendingRead {
        void* buffer;
        DWORD size;
        OVERLAPPED* overlapped;
    };
    // A handle given out: which device, and whether it writes.
    struct OpenFile {
        std::size_t device;
        bool writes;
    };

    const Device* DeviceOf(PHIDP_PREPARSED_DATA data) const;
    const OpenFile* FileOf(HANDLE file) const;
    BOOLEAN CopyString(HANDLE device, const std::wstring Device::*field, void* buffer, ULONG size);
    NTSTATUS ChangeMute(HIDP_REPORT_TYPE type, USAGE page, USAGE* list, ULONG* length,
                        PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength, bool set);

    mutable std::mutex lock_;
    std::deque<Device> devices_;  // plugging keeps references to the others
    std::vector<bool> unplugged_ = std::vector<bool>(devices_.size(), false);
    std::vector<OpenFile> files_;  // index + 1 is the handle value's slot
    struct Preparsed {
        std::size_t device;
    };
    std::vector<std::unique_ptr<Preparsed>> preparsed_;
    std::deque<std::vector<BYTE>> queued_;
    bool pendingActive_ = false;
    PendingRead pending_ = {};
    std::size_t pendingDevice_ = 0;
    std::vector<std::vector<BYTE>> outputs_;
    std::function<void()> outputObserver_;
    int usageValueQueries_ = 0;
    ULONG largestUsageList_ = 0;
};

}  // namespace devices
