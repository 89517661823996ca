#include "hid_headset.h"

#include <algorithm>

#include "headset_ids.h"
#include "hid_usages.h"
#include "model_number.h"

namespace headset {
namespace {

constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;

// UTF-16 from the device to the ANSI code page, at most 256 bytes.
bool ToAnsi(const wchar_t* text, std::string& out) {
    char converted[256] = {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text, -1, converted, sizeof converted - 1, nullptr, nullptr);
    if (length <= 0) {
        return false;
    }
    out.assign(converted);
    return true;
}

// The first groups the device lists for a report type, at most
// kMaxReportGroups of them; none when it lists none or the query fails.
template <typename Caps, typename Query>
std::vector<Caps> ReportCaps(USHORT declared, Query query) {
    std::vector<Caps> caps(declared);
    USHORT count = declared;
    if (declared == 0 || query(caps.data(), &count) != HIDP_STATUS_SUCCESS) {
        return {};
    }
    caps.resize(std::min<std::size_t>({count, declared, kMaxReportGroups}));
    return caps;
}

// A group's usages: its one usage, or its range cut to capacity.
template <typename Caps>
std::vector<USAGE> UsagesOf(const Caps& caps, std::size_t capacity) {
    return caps.IsRange ? RangeUsages(caps.Range.UsageMin, caps.Range.UsageMax, capacity)
                        : std::vector<USAGE>{caps.NotRange.Usage};
}

}  // namespace

int HidHeadset::ModelNumber() const {
    return headset::ModelNumber(serial_);
}

int HidHeadset::FindAndOpen() {
    GUID hid;
    api_.GetHidGuid(&hid);
    const HDEVINFO set = api_.GetClassDevs(&hid, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return 0;
    }
    for (DWORD index = 0; !IsOpen(); ++index) {
        SP_DEVICE_INTERFACE_DATA data = {};
        data.cbSize = sizeof data;
        if (!api_.EnumDeviceInterfaces(set, &hid, index, &data)) {
            break;  // ERROR_NO_MORE_ITEMS, or nothing more to be had
        }
        DWORD required = 0;
        api_.GetDeviceInterfaceDetail(set, &data, nullptr, 0, &required);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= sizeof(DWORD)) {
            continue;
        }
        std::vector<char> storage(required + 1, 0);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!api_.GetDeviceInterfaceDetail(set, &data, detail, required, nullptr) ||
            detail->DevicePath[0] == '\0') {
            continue;
        }
        const std::string path = detail->DevicePath;
        const HANDLE probe = api_.CreateDeviceFile(path.c_str(), GENERIC_READ, kShare,
                                                   OPEN_EXISTING, FILE_FLAG_OVERLAPPED);
        if (probe == INVALID_HANDLE_VALUE) {
            continue;
        }
        HIDD_ATTRIBUTES attributes = {};
        attributes.Size = sizeof attributes;
        const bool ours =
            api_.GetAttributes(probe, &attributes) && attributes.VendorID == tavimo::kVendorId;
        api_.CloseHandle(probe);
        if (ours) {
            Open(path);
        }
    }
    api_.DestroyDeviceInfoList(set);
    return IsOpen() ? 1 : 0;
}

bool HidHeadset::ReadIdentity() {
    attributes_ = {};
    attributes_.Size = sizeof attributes_;
    if (!api_.GetPreparsedData(read_, &preparsed_)) {
        preparsed_ = nullptr;
        return false;
    }
    if (!api_.GetAttributes(read_, &attributes_) ||
        api_.GetCaps(preparsed_, &caps_) != HIDP_STATUS_SUCCESS) {
        return false;
    }
    wchar_t text[256] = {};
    const auto read = [&](auto get, std::string& out) {
        std::fill(std::begin(text), std::end(text), L'\0');
        if ((api_.*get)(read_, text, sizeof text)) {
            text[255] = L'\0';
            ToAnsi(text, out);
        }
    };
    read(&devices::HidApi::GetManufacturerString, manufacturer_);
    read(&devices::HidApi::GetProductString, product_);
    read(&devices::HidApi::GetSerialNumberString, serial_);
    return true;
}

int HidHeadset::Open(const std::string& path) {
    Close();
    path_ = path;
    read_ = api_.CreateDeviceFile(path.c_str(), GENERIC_READ, kShare, OPEN_EXISTING,
                                  FILE_FLAG_OVERLAPPED);
    if (read_ == INVALID_HANDLE_VALUE) {
        return 0;
    }
    if (!ReadIdentity()) {
        Close();
        return 0;
    }
    LoadGroups(input_, HidP_Input, caps_.NumberInputButtonCaps, caps_.NumberInputValueCaps,
               caps_.InputReportByteLength);
    reportEvent_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    stop_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    done_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    thread_.reset(CreateThread(nullptr, 0, ReaderThread, this, 0, nullptr));
    if (!reportEvent_ || !stop_ || !done_ || !thread_) {
        Close();
        return 0;
    }
    write_ = api_.CreateDeviceFile(path.c_str(), GENERIC_WRITE, kShare, OPEN_EXISTING, 0);
    if (write_ == INVALID_HANDLE_VALUE) {
        Close();
        return 0;
    }
    LoadGroups(output_, HidP_Output, caps_.NumberOutputButtonCaps, caps_.NumberOutputValueCaps,
               caps_.OutputReportByteLength);
    return 1;
}

void HidHeadset::LoadGroups(HidReport& report, HIDP_REPORT_TYPE type, USHORT buttonCaps,
                            USHORT valueCaps, USHORT length) {
    report = {};
    report.type = type;
    report.buffer.assign(length, 0);
    const auto buttons =
        ReportCaps<HIDP_BUTTON_CAPS>(buttonCaps, [&](HIDP_BUTTON_CAPS* caps, USHORT* count) {
            return api_.GetSpecificButtonCaps(type, 0, 0, 0, caps, count, preparsed_);
        });
    if (!buttons.empty()) {
        report.usageCapacity =
            std::min(api_.MaxUsageListLength(type, buttons.front().UsagePage, preparsed_),
                     kMaxPressedUsages);
    }
    for (const HIDP_BUTTON_CAPS& b : buttons) {
        report.buttons.push_back({b.UsagePage, UsagesOf(b, report.usageCapacity), false});
    }
    const auto values =
        ReportCaps<HIDP_VALUE_CAPS>(valueCaps, [&](HIDP_VALUE_CAPS* caps, USHORT* count) {
            return api_.GetSpecificValueCaps(type, 0, 0, 0, caps, count, preparsed_);
        });
    for (const HIDP_VALUE_CAPS& v : values) {
        report.values.push_back(
            {v.UsagePage, UsagesOf(v, kMaxGroupUsages), v.LogicalMin, v.LogicalMax, 0});
    }
}

void HidHeadset::SetNotifyWindow(HWND window) {
    const std::lock_guard<std::mutex> guard(mutex_);
    notify_ = window;
}

DWORD WINAPI HidHeadset::ReaderThread(void* self) {
    static_cast<HidHeadset*>(self)->ReadLoop();
    return 0;
}

void HidHeadset::ReadLoop() {
    for (;;) {
        if (WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0) {
            break;
        }
        bool reportArrived = false;
        if (!ReadStep(reportArrived)) {
            break;
        }
        // A report that cannot be decoded posts nothing: the down flags
        // still hold the previous report's buttons.
        if (reportArrived && Decode()) {
            PostButtons();
        }
    }
    SetEvent(done_.get());
}

bool HidHeadset::ReadStep(bool& reportArrived) {
    if (readPending_) {
        // Asleep until a report comes, the read fails or the reader is
        // told to stop: no timeout to wake for, and no wait to end a stop.
        const HANDLE events[] = {reportEvent_.get(), stop_.get()};
        if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0) {
            return false;
        }
        readPending_ = false;
        // A read that completed with a failure (unplugged, cancelled) has no
        // report to decode: its buffer holds the previous one.
        DWORD transferred = 0;
        if (!api_.GetOverlappedResult(read_, &overlapped_, &transferred, FALSE)) {
            return false;
        }
        reportArrived = true;
        return true;
    }
    overlapped_ = {};
    overlapped_.hEvent = reportEvent_.get();
    DWORD read = 0;
    if (api_.ReadFile(read_, input_.buffer.data(), static_cast<DWORD>(input_.buffer.size()), &read,
                      &overlapped_)) {
        reportArrived = true;
        return true;
    }
    if (GetLastError() == ERROR_IO_PENDING) {
        readPending_ = true;
        return true;
    }
    return false;
}

bool HidHeadset::Decode() {
    std::vector<USAGE_AND_PAGE> pressed(std::max<ULONG>(input_.usageCapacity, 1));
    ULONG length = static_cast<ULONG>(pressed.size());
    const std::lock_guard<std::mutex> guard(mutex_);
    if (api_.GetUsagesEx(HidP_Input, 0, pressed.data(), &length, preparsed_, input_.buffer.data(),
                         static_cast<ULONG>(input_.buffer.size())) != HIDP_STATUS_SUCCESS) {
        return false;
    }
    for (ButtonGroup& group : input_.buttons) {
        group.down = false;
    }
    for (ULONG i = 0; i < length && i < pressed.size(); ++i) {
        for (ButtonGroup& group : input_.buttons) {
            if (group.page == pressed[i].UsagePage &&
                std::find(group.usages.begin(), group.usages.end(), pressed[i].Usage) !=
                    group.usages.end()) {
                group.down = true;
                break;
            }
        }
    }
    for (ValueGroup& group : input_.values) {
        for (USAGE usage : group.usages) {
            ULONG value = 0;
            if (api_.GetUsageValue(
                    HidP_Input, group.page, 0, usage, &value, preparsed_, input_.buffer.data(),
                    static_cast<ULONG>(input_.buffer.size())) == HIDP_STATUS_SUCCESS) {
                group.last = value;
            }
        }
    }
    return true;
}

void HidHeadset::PostButtons() {
    const std::lock_guard<std::mutex> guard(mutex_);
    if (notify_ == nullptr) {
        return;
    }
    for (const ButtonGroup& group : input_.buttons) {
        if (!group.down) {
            continue;
        }
        for (USAGE usage : group.usages) {
            PostMessageA(notify_, kButtonMessage, group.page, usage);
        }
    }
}

// Asks the thread, not the auto-reset done event, which a look would reset.
bool HidHeadset::IsReading() const {
    return thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT;
}

void HidHeadset::StopReader() {
    if (!thread_) {
        return;
    }
    if (WaitForSingleObject(done_.get(), 0) != WAIT_OBJECT_0) {
        SetEvent(stop_.get());
    }
    // The thread itself, not the done event: it ends right after signalling.
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
}

void HidHeadset::CloseFile(HANDLE& file) {
    if (file != INVALID_HANDLE_VALUE) {
        api_.CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
}

void HidHeadset::Close() {
    StopReader();
    stop_.reset();
    done_.reset();
    if (preparsed_ != nullptr) {
        api_.FreePreparsedData(preparsed_);
        preparsed_ = nullptr;
    }
    if (read_ != INVALID_HANDLE_VALUE) {
        // The thread has ended; a pending read is cancelled, and its end
        // awaited, before its buffer and OVERLAPPED can be reused or go.
        api_.CancelIo(read_);
        if (readPending_) {
            DWORD transferred = 0;
            api_.GetOverlappedResult(read_, &overlapped_, &transferred, TRUE);
        }
        CloseFile(read_);
    }
    readPending_ = false;
    reportEvent_.reset();
    CloseFile(write_);
    serial_.clear();
}

std::pair<LONG, LONG> HidHeadset::OutputValueRange(USAGE page, USAGE usage) const {
    for (const ValueGroup& group : output_.values) {
        if (group.page == page &&
            std::find(group.usages.begin(), group.usages.end(), usage) != group.usages.end()) {
            return {group.minimum, group.maximum};
        }
    }
    return {-1, -1};
}

int HidHeadset::SendGainReport(ULONG value, bool mute) {
    if (!IsOpen() || output_.buffer.empty()) {
        return 0;
    }
    char* report = output_.buffer.data();
    const auto length = static_cast<ULONG>(output_.buffer.size());
    std::fill(output_.buffer.begin(), output_.buffer.end(), 0);
    if (api_.SetUsageValue(HidP_Output, kConsumerPage, 0, kGainUsage, value, preparsed_, report,
                           length) != HIDP_STATUS_SUCCESS) {
        return 0;
    }
    USAGE muteUsage = kMuteUsage;
    ULONG count = 1;
    if (api_.SetUsages(HidP_Output, kConsumerPage, 0, &muteUsage, &count, preparsed_, report,
                       length) != HIDP_STATUS_SUCCESS) {
        return 0;
    }
    if (!mute && api_.UnsetUsages(HidP_Output, kConsumerPage, 0, &muteUsage, &count, preparsed_,
                                  report, length) != HIDP_STATUS_SUCCESS) {
        return 0;
    }
    DWORD written = 0;
    return api_.WriteFile(write_, report, length, &written) ? 1 : 0;
}

}  // namespace headset
