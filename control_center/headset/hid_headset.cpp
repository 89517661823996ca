#include "hid_headset.h"

#include <algorithm>

#include "interface_walk.h"
#include "model_number.h"

namespace headset {
namespace {

constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;

}  // namespace

int HidHeadset::ModelNumber() const {
    return headset::ModelNumber(serial_);
}

int HidHeadset::FindAndOpen() {
    GUID hid;
    api_.GetHidGuid(&hid);
    WalkInterfaces(api_, hid, [this](const std::string& path) {
        return IsVendorDevice(api_, path) && Open(path) == 1;
    });
    return IsOpen() ? 1 : 0;
}

bool HidHeadset::ReadIdentity() {
    if (!ReadHidIdentity(api_, read_, preparsed_, identity_)) {
        return false;
    }
    manufacturer_ = ReadAnsiHidString(api_, &devices::HidApi::GetManufacturerString, read_);
    product_ = ReadAnsiHidString(api_, &devices::HidApi::GetProductString, read_);
    serial_ = ReadAnsiHidString(api_, &devices::HidApi::GetSerialNumberString, read_);
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
    const HIDP_CAPS& caps = identity_.caps;
    input_ = LoadReport(api_, preparsed_.get(), HidP_Input, caps.NumberInputButtonCaps,
                        caps.NumberInputValueCaps, caps.InputReportByteLength);
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
    output_ = LoadReport(api_, preparsed_.get(), HidP_Output, caps.NumberOutputButtonCaps,
                         caps.NumberOutputValueCaps, caps.OutputReportByteLength);
    return 1;
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
    if (api_.GetUsagesEx(HidP_Input, 0, pressed.data(), &length, preparsed_.get(),
                         input_.buffer.data(),
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
            if (api_.GetUsageValue(HidP_Input, group.page, 0, usage, &value, preparsed_.get(),
                                   input_.buffer.data(),
                                   static_cast<ULONG>(input_.buffer.size())) ==
                HIDP_STATUS_SUCCESS) {
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
    preparsed_.reset();
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
    return ValueRange(output_, page, usage).value_or(std::pair<LONG, LONG>{-1, -1});
}

int HidHeadset::SendGainReport(ULONG value, bool mute) {
    return IsOpen() && WriteGainReport(api_, write_, preparsed_.get(), output_, value, mute) ? 1
                                                                                             : 0;
}

}  // namespace headset
