#include "virtual_hid.h"

#include <algorithm>
#include <cstring>

namespace devices {
namespace {

constexpr UINT_PTR kFileBase = 0x9000;
const HDEVINFO kDeviceSet = reinterpret_cast<HDEVINFO>(static_cast<UINT_PTR>(0x8800));
constexpr char kPathPrefix[] = "\\\\?\\hid#virtual#";
constexpr ULONG kInputLength = 2;
constexpr ULONG kOutputLength = 4;

std::string PathOf(std::size_t device) {
    return kPathPrefix + std::to_string(device);
}

HIDP_BUTTON_CAPS ButtonCaps(USAGE first, USAGE last) {
    HIDP_BUTTON_CAPS caps = {};
    caps.UsagePage = VirtualHid::kConsumerPage;
    caps.IsRange = first != last;
    if (caps.IsRange) {
        caps.Range.UsageMin = first;
        caps.Range.UsageMax = last;
    } else {
        caps.NotRange.Usage = first;
    }
    return caps;
}

}  // namespace

void VirtualHid::SendInputReport(BYTE buttons, BYTE reportId) {
    const std::lock_guard<std::mutex> guard(lock_);
    const std::vector<BYTE> report = {reportId, buttons};
    if (!pendingActive_) {
        queued_.push_back(report);
        return;
    }
    const DWORD size = std::min<DWORD>(pending_.size, static_cast<DWORD>(report.size()));
    std::memcpy(pending_.buffer, report.data(), size);
    pending_.overlapped->Internal = 0;
    pending_.overlapped->InternalHigh = size;
    pendingActive_ = false;
    SetEvent(pending_.overlapped->hEvent);
}

void VirtualHid::Unplug(std::size_t device) {
    const std::lock_guard<std::mutex> guard(lock_);
    unplugged_.at(device) = true;
    if (pendingActive_ && pendingDevice_ == device) {
        // The pending read completes with the device's failure.
        pending_.overlapped->Internal = static_cast<ULONG_PTR>(ERROR_DEVICE_NOT_CONNECTED);
        pending_.overlapped->InternalHigh = 0;
        pendingActive_ = false;
        SetEvent(pending_.overlapped->hEvent);
    }
}

std::vector<std::vector<BYTE>> VirtualHid::OutputReports() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return outputs_;
}

std::optional<VirtualHid::GainReport> VirtualHid::LastGainReport() const {
    const std::lock_guard<std::mutex> guard(lock_);
    if (outputs_.empty() || outputs_.back().size() < kOutputLength) {
        return std::nullopt;
    }
    const std::vector<BYTE>& report = outputs_.back();
    return GainReport{static_cast<unsigned>(report[2] | (report[3] << 8)),
                      (report[1] & kMuteBit) != 0};
}

void VirtualHid::SetOutputObserver(std::function<void()> observer) {
    const std::lock_guard<std::mutex> guard(lock_);
    outputObserver_ = std::move(observer);
}

int VirtualHid::OpenHandles() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return static_cast<int>(std::count_if(files_.begin(), files_.end(), [](const OpenFile& f) {
        return f.device != static_cast<std::size_t>(-1);
    }));
}

int VirtualHid::LivePreparsedData() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return static_cast<int>(preparsed_.size());
}

bool VirtualHid::ReadPending() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return pendingActive_;
}

std::string VirtualHid::Path(std::size_t device) {
    return PathOf(device);
}

std::size_t VirtualHid::Plug(Device device) {
    const std::lock_guard<std::mutex> guard(lock_);
    devices_.push_back(std::move(device));
    unplugged_.push_back(false);
    return devices_.size() - 1;
}

int VirtualHid::UsageValueQueries() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return usageValueQueries_;
}

ULONG VirtualHid::LargestUsageListOffered() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return largestUsageList_;
}

void VirtualHid::GetHidGuid(GUID* guid) {
    *guid = kHidClass;
}

HDEVINFO VirtualHid::GetClassDevs(const GUID*, DWORD) {
    return kDeviceSet;
}

BOOL VirtualHid::EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                                      SP_DEVICE_INTERFACE_DATA* data) {
    const std::lock_guard<std::mutex> guard(lock_);
    if (guid == nullptr || !IsEqualGUID(*guid, kHidClass)) {
        SetLastError(ERROR_NO_MORE_ITEMS);  // no interface of another class here
        return FALSE;
    }
    // Present devices only, in order.
    std::size_t seen = 0;
    for (std::size_t device = 0; device < devices_.size(); ++device) {
        if (unplugged_[device]) {
            continue;
        }
        if (seen++ == index && set == kDeviceSet && data != nullptr) {
            data->Reserved = device;
            return TRUE;
        }
    }
    SetLastError(ERROR_NO_MORE_ITEMS);
    return FALSE;
}

BOOL VirtualHid::GetDeviceInterfaceDetail(HDEVINFO, SP_DEVICE_INTERFACE_DATA* data,
                                          SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                          DWORD* required) {
    const std::string path = PathOf(data->Reserved);
    const DWORD needed = static_cast<DWORD>(
        offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path.size() + 1);
    if (required != nullptr) {
        *required = needed;
    }
    if (detail == nullptr || size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(detail->DevicePath, path.c_str(), path.size() + 1);
    return TRUE;
}

BOOL VirtualHid::DestroyDeviceInfoList(HDEVINFO set) {
    return set == kDeviceSet;
}

HANDLE VirtualHid::CreateDeviceFile(const char* path, DWORD access, DWORD, DWORD, DWORD) {
    const std::lock_guard<std::mutex> guard(lock_);
    for (std::size_t device = 0; device < devices_.size(); ++device) {
        if (PathOf(device) == path && !unplugged_[device]) {
            if ((access & GENERIC_WRITE) != 0 && !devices_[device].opensForWriting) {
                SetLastError(ERROR_ACCESS_DENIED);
                return INVALID_HANDLE_VALUE;
            }
            files_.push_back({device, (access & GENERIC_WRITE) != 0});
            return reinterpret_cast<HANDLE>(kFileBase + (files_.size() - 1) * 4);
        }
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
}

const VirtualHid::OpenFile* VirtualHid::FileOf(HANDLE file) const {
    const UINT_PTR value = reinterpret_cast<UINT_PTR>(file);
    if (value < kFileBase || (value - kFileBase) % 4 != 0) {
        return nullptr;
    }
    const std::size_t slot = (value - kFileBase) / 4;
    if (slot >= files_.size() || files_[slot].device == static_cast<std::size_t>(-1)) {
        return nullptr;
    }
    return &files_[slot];
}

BOOL VirtualHid::ReadFile(HANDLE file, void* buffer, DWORD size, DWORD* read,
                          OVERLAPPED* overlapped) {
    const std::lock_guard<std::mutex> guard(lock_);
    const OpenFile* open = FileOf(file);
    if (open == nullptr || unplugged_[open->device]) {
        SetLastError(ERROR_DEVICE_NOT_CONNECTED);
        return FALSE;
    }
    ResetEvent(overlapped->hEvent);
    if (!queued_.empty()) {
        const std::vector<BYTE> report = queued_.front();
        queued_.pop_front();
        const DWORD copied = std::min<DWORD>(size, static_cast<DWORD>(report.size()));
        std::memcpy(buffer, report.data(), copied);
        if (read != nullptr) {
            *read = copied;
        }
        overlapped->Internal = 0;
        overlapped->InternalHigh = copied;
        SetEvent(overlapped->hEvent);
        return TRUE;
    }
    pending_ = {buffer, size, overlapped};
    pendingActive_ = true;
    pendingDevice_ = open->device;
    SetLastError(ERROR_IO_PENDING);
    return FALSE;
}

BOOL VirtualHid::GetOverlappedResult(HANDLE, OVERLAPPED* overlapped, DWORD* transferred, BOOL) {
    if (overlapped->Internal != 0) {
        SetLastError(static_cast<DWORD>(overlapped->Internal));
        return FALSE;
    }
    *transferred = static_cast<DWORD>(overlapped->InternalHigh);
    return TRUE;
}

BOOL VirtualHid::WriteFile(HANDLE file, const void* buffer, DWORD size, DWORD* written) {
    std::function<void()> observer;
    {
        const std::lock_guard<std::mutex> guard(lock_);
        const OpenFile* open = FileOf(file);
        if (open == nullptr || !open->writes || unplugged_[open->device]) {
            SetLastError(ERROR_DEVICE_NOT_CONNECTED);
            return FALSE;
        }
        const auto* bytes = static_cast<const BYTE*>(buffer);
        outputs_.emplace_back(bytes, bytes + size);
        *written = size;
        observer = outputObserver_;
    }
    if (observer) {
        observer();
    }
    return TRUE;
}

BOOL VirtualHid::CancelIo(HANDLE file) {
    const std::lock_guard<std::mutex> guard(lock_);
    const OpenFile* open = FileOf(file);
    if (open == nullptr) {
        return FALSE;
    }
    if (pendingActive_ && pendingDevice_ == open->device) {
        pending_.overlapped->Internal = static_cast<ULONG_PTR>(ERROR_OPERATION_ABORTED);
        pendingActive_ = false;
        SetEvent(pending_.overlapped->hEvent);
    }
    return TRUE;
}

BOOL VirtualHid::CloseHandle(HANDLE file) {
    const std::lock_guard<std::mutex> guard(lock_);
    if (FileOf(file) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    files_[(reinterpret_cast<UINT_PTR>(file) - kFileBase) / 4].device =
        static_cast<std::size_t>(-1);
    return TRUE;
}

BOOLEAN VirtualHid::GetAttributes(HANDLE file, HIDD_ATTRIBUTES* attributes) {
    const std::lock_guard<std::mutex> guard(lock_);
    const OpenFile* open = FileOf(file);
    if (open == nullptr) {
        return FALSE;
    }
    const Device& device = devices_[open->device];
    attributes->VendorID = device.vendorId;
    attributes->ProductID = device.productId;
    attributes->VersionNumber = device.version;
    return TRUE;
}

BOOLEAN VirtualHid::GetPreparsedData(HANDLE file, PHIDP_PREPARSED_DATA* data) {
    const std::lock_guard<std::mutex> guard(lock_);
    const OpenFile* open = FileOf(file);
    if (open == nullptr || devices_[open->device].failPreparsedData) {
        return FALSE;
    }
    preparsed_.push_back(std::make_unique<Preparsed>(Preparsed{open->device}));
    *data = reinterpret_cast<PHIDP_PREPARSED_DATA>(preparsed_.back().get());
    return TRUE;
}

BOOLEAN VirtualHid::FreePreparsedData(PHIDP_PREPARSED_DATA data) {
    const std::lock_guard<std::mutex> guard(lock_);
    const auto found = std::find_if(preparsed_.begin(), preparsed_.end(), [data](const auto& p) {
        return reinterpret_cast<PHIDP_PREPARSED_DATA>(p.get()) == data;
    });
    if (found == preparsed_.end()) {
        return FALSE;
    }
    preparsed_.erase(found);
    return TRUE;
}

const VirtualHid::Device* VirtualHid::DeviceOf(PHIDP_PREPARSED_DATA data) const {
    for (const auto& p : preparsed_) {
        if (reinterpret_cast<PHIDP_PREPARSED_DATA>(p.get()) == data) {
            return &devices_[p->device];
        }
    }
    return nullptr;
}

BOOLEAN VirtualHid::CopyString(HANDLE file, const std::wstring Device::*field, void* buffer,
                               ULONG size) {
    const std::lock_guard<std::mutex> guard(lock_);
    const OpenFile* open = FileOf(file);
    if (open == nullptr) {
        return FALSE;
    }
    const Device& device = devices_[open->device];
    const std::wstring& text = device.*field;
    if (device.unterminatedStrings) {
        // As much of the text as the buffer holds, and no terminating zero.
        const std::size_t bytes = std::min<std::size_t>(text.size() * sizeof(wchar_t), size);
        std::memcpy(buffer, text.c_str(), bytes);
        return TRUE;
    }
    const ULONG bytes = static_cast<ULONG>((text.size() + 1) * sizeof(wchar_t));
    if (bytes > size) {
        return FALSE;
    }
    std::memcpy(buffer, text.c_str(), bytes);
    return TRUE;
}

BOOLEAN VirtualHid::GetManufacturerString(HANDLE device, void* buffer, ULONG size) {
    return CopyString(device, &Device::manufacturer, buffer, size);
}
BOOLEAN VirtualHid::GetProductString(HANDLE device, void* buffer, ULONG size) {
    return CopyString(device, &Device::product, buffer, size);
}
BOOLEAN VirtualHid::GetSerialNumberString(HANDLE device, void* buffer, ULONG size) {
    {
        const std::lock_guard<std::mutex> guard(lock_);
        const OpenFile* open = FileOf(device);
        if (open != nullptr && !devices_[open->device].serialReadable) {
            SetLastError(ERROR_GEN_FAILURE);
            return FALSE;
        }
    }
    return CopyString(device, &Device::serial, buffer, size);
}

NTSTATUS VirtualHid::GetCaps(PHIDP_PREPARSED_DATA data, HIDP_CAPS* caps) {
    const std::lock_guard<std::mutex> guard(lock_);
    const Device* device = DeviceOf(data);
    if (device == nullptr) {
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    }
    *caps = {};
    caps->UsagePage = kConsumerPage;
    caps->InputReportByteLength = kInputLength;
    caps->NumberInputButtonCaps = device->hasVolumeRange ? 2 : 1;
    caps->NumberInputValueCaps = device->inputValueGroups;
    if (device->hasOutputReport) {
        caps->OutputReportByteLength = kOutputLength;
        caps->NumberOutputButtonCaps = 1;
        caps->NumberOutputValueCaps = device->hasGainValue ? 1 : 0;
    }
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS VirtualHid::GetSpecificButtonCaps(HIDP_REPORT_TYPE type, USAGE, USHORT, USAGE,
                                           HIDP_BUTTON_CAPS* caps, USHORT* length,
                                           PHIDP_PREPARSED_DATA data) {
    const std::lock_guard<std::mutex> guard(lock_);
    const Device* device = DeviceOf(data);
    if (device == nullptr) {
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    }
    std::vector<HIDP_BUTTON_CAPS> list;
    if (type == HidP_Input) {
        list.push_back(ButtonCaps(kMuteUsage, kMuteUsage));
        if (device->hasVolumeRange) {
            list.push_back(ButtonCaps(kVolumeUp, kVolumeDown));
        }
    } else if (type == HidP_Output && device->hasOutputReport) {
        list.push_back(ButtonCaps(kMuteUsage, kMuteUsage));
    }
    const USHORT count = static_cast<USHORT>(std::min<std::size_t>(*length, list.size()));
    std::copy_n(list.begin(), count, caps);
    *length = count;
    return list.empty() ? HIDP_STATUS_USAGE_NOT_FOUND : HIDP_STATUS_SUCCESS;
}

NTSTATUS VirtualHid::GetSpecificValueCaps(HIDP_REPORT_TYPE type, USAGE, USHORT, USAGE,
                                          HIDP_VALUE_CAPS* caps, USHORT* length,
                                          PHIDP_PREPARSED_DATA data) {
    const std::lock_guard<std::mutex> guard(lock_);
    const Device* device = DeviceOf(data);
    if (device == nullptr) {
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    }
    if (type == HidP_Input && device->inputValueGroups > 0) {
        *length = std::min(*length, device->inputValueGroups);
        for (USHORT i = 0; i < *length; ++i) {
            caps[i] = {};
            caps[i].UsagePage = kConsumerPage;
            caps[i].IsRange = TRUE;
            caps[i].Range.UsageMin = 1;
            caps[i].Range.UsageMax = device->inputValueLastUsage;
        }
        return HIDP_STATUS_SUCCESS;
    }
    if (type != HidP_Output || !device->hasOutputReport || !device->hasGainValue || *length == 0) {
        *length = 0;
        return HIDP_STATUS_USAGE_NOT_FOUND;
    }
    caps[0] = {};
    caps[0].UsagePage = kConsumerPage;
    caps[0].NotRange.Usage = kGainUsage;
    caps[0].LogicalMin = device->gainMinimum;
    caps[0].LogicalMax = device->gainMaximum;
    *length = 1;
    return HIDP_STATUS_SUCCESS;
}

ULONG VirtualHid::MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE, PHIDP_PREPARSED_DATA data) {
    const std::lock_guard<std::mutex> guard(lock_);
    const Device* device = DeviceOf(data);
    if (device == nullptr) {
        return 0;
    }
    if (device->claimedUsageListLength != 0) {
        return device->claimedUsageListLength;
    }
    return type == HidP_Input && device->hasVolumeRange ? 3 : 1;
}

NTSTATUS VirtualHid::GetUsagesEx(HIDP_REPORT_TYPE type, USHORT, USAGE_AND_PAGE* list, ULONG* length,
                                 PHIDP_PREPARSED_DATA data, char* report, ULONG reportLength) {
    if (type != HidP_Input || reportLength < kInputLength) {
        return HIDP_STATUS_INVALID_REPORT_LENGTH;
    }
    if (static_cast<BYTE>(report[0]) != kReportId) {
        return HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
    }
    const auto buttons = static_cast<BYTE>(report[1]);
    std::vector<USAGE> down;
    if ((buttons & kMuteBit) != 0) {
        down.push_back(kMuteUsage);
    }
    {
        const std::lock_guard<std::mutex> guard(lock_);
        largestUsageList_ = std::max(largestUsageList_, *length);
        const Device* device = DeviceOf(data);
        if (device != nullptr && device->hasVolumeRange) {
            if ((buttons & kVolumeUpBit) != 0) {
                down.push_back(kVolumeUp);
            }
            if ((buttons & kVolumeDownBit) != 0) {
                down.push_back(kVolumeDown);
            }
        }
    }
    if (down.size() > *length) {
        *length = static_cast<ULONG>(down.size());
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    }
    for (std::size_t i = 0; i < down.size(); ++i) {
        list[i] = {down[i], kConsumerPage};
    }
    *length = static_cast<ULONG>(down.size());
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS VirtualHid::GetUsageValue(HIDP_REPORT_TYPE, USAGE, USHORT, USAGE, ULONG*,
                                   PHIDP_PREPARSED_DATA, char*, ULONG) {
    const std::lock_guard<std::mutex> guard(lock_);
    ++usageValueQueries_;
    return HIDP_STATUS_USAGE_NOT_FOUND;  // the input report carries no values
}

NTSTATUS VirtualHid::SetUsageValue(HIDP_REPORT_TYPE type, USAGE page, USHORT, USAGE usage,
                                   ULONG value, PHIDP_PREPARSED_DATA data, char* report,
                                   ULONG reportLength) {
    bool hasGain = false;
    {
        const std::lock_guard<std::mutex> guard(lock_);
        const Device* device = DeviceOf(data);
        hasGain = device != nullptr && device->hasGainValue;
    }
    if (!hasGain || type != HidP_Output || page != kConsumerPage || usage != kGainUsage ||
        reportLength < kOutputLength) {
        return HIDP_STATUS_USAGE_NOT_FOUND;
    }
    report[2] = static_cast<char>(value & 0xFF);
    report[3] = static_cast<char>((value >> 8) & 0xFF);
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS VirtualHid::ChangeMute(HIDP_REPORT_TYPE type, USAGE page, USAGE* list, ULONG* length,
                                PHIDP_PREPARSED_DATA, char* report, ULONG reportLength, bool set) {
    if (type != HidP_Output || page != kConsumerPage || *length != 1 || list[0] != kMuteUsage ||
        reportLength < kOutputLength) {
        return HIDP_STATUS_USAGE_NOT_FOUND;
    }
    report[1] = static_cast<char>(set ? (report[1] | kMuteBit) : (report[1] & ~kMuteBit));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS VirtualHid::SetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT, USAGE* list,
                               ULONG* length, PHIDP_PREPARSED_DATA data, char* report,
                               ULONG reportLength) {
    return ChangeMute(type, page, list, length, data, report, reportLength, true);
}

NTSTATUS VirtualHid::UnsetUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT, USAGE* list,
                                 ULONG* length, PHIDP_PREPARSED_DATA data, char* report,
                                 ULONG reportLength) {
    return ChangeMute(type, page, list, length, data, report, reportLength, false);
}

}  // namespace devices
