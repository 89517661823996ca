// A HID device file opened through the device boundary, closed exactly once
// through the boundary that opened it.
#pragma once

#include <windows.h>

#include <utility>

#include "hid_api.h"

namespace headset {

class HidFile {
public:
    HidFile() = default;
    HidFile(devices::HidApi& api, HANDLE handle) : api_(&api), handle_(handle) {}
    ~HidFile() { reset(); }
    HidFile(HidFile&& other) noexcept
        : api_(other.api_), handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    HidFile& operator=(HidFile&& other) noexcept {
        if (this != &other) {
            reset();
            api_ = other.api_;
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    HidFile(const HidFile&) = delete;
    HidFile& operator=(const HidFile&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    void reset() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            api_->CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
        }
    }

private:
    devices::HidApi* api_ = nullptr;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace headset
