#include "virtual_platform.h"

#include <dbt.h>

#include <algorithm>
#include <cstring>

namespace devices {

std::vector<DWORD> VirtualPlatform::Waits() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return waits_;
}

void VirtualPlatform::ClearWaits() {
    const std::lock_guard<std::mutex> guard(lock_);
    waits_.clear();
}

std::vector<HWND> VirtualPlatform::Registered() const {
    const std::lock_guard<std::mutex> guard(lock_);
    std::vector<HWND> windows;
    std::copy_if(windows_.begin(), windows_.end(), std::back_inserter(windows),
                 [](HWND window) { return window != nullptr; });
    return windows;
}

int VirtualPlatform::LiveRegistrations() const {
    return static_cast<int>(Registered().size());
}

void VirtualPlatform::FailRegistrations(int count) {
    const std::lock_guard<std::mutex> guard(lock_);
    failRegistrations_ = count;
}

void VirtualPlatform::BroadcastInterface(WPARAM event, const std::string& path) const {
    // The record with its name, as the system lays it out.
    std::vector<char> storage(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) + path.size(), 0);
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(storage.data());
    broadcast->dbcc_size = static_cast<DWORD>(storage.size());
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(broadcast->dbcc_name, path.c_str(), path.size() + 1);
    SendToRegistered(WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast));
}

void VirtualPlatform::SendToRegistered(UINT message, WPARAM wParam, LPARAM lParam) const {
    for (HWND window : Registered()) {
        SendMessageA(window, message, wParam, lParam);
    }
}

void VirtualPlatform::SleepWaits(bool sleep) {
    const std::lock_guard<std::mutex> guard(lock_);
    sleepWaits_ = sleep;
}

void VirtualPlatform::Wait(DWORD milliseconds) {
    bool sleep = false;
    {
        const std::lock_guard<std::mutex> guard(lock_);
        waits_.push_back(milliseconds);
        sleep = sleepWaits_;
    }
    if (sleep) {
        Sleep(milliseconds);
    }
}

HDEVNOTIFY VirtualPlatform::RegisterNotification(HWND window, void* filter, DWORD) {
    const std::lock_guard<std::mutex> guard(lock_);
    if (window == nullptr || filter == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (failRegistrations_ > 0) {
        --failRegistrations_;
        SetLastError(ERROR_SERVICE_SPECIFIC_ERROR);
        return nullptr;
    }
    windows_.push_back(window);
    return reinterpret_cast<HDEVNOTIFY>(static_cast<UINT_PTR>(windows_.size()));
}

BOOL VirtualPlatform::UnregisterNotification(HDEVNOTIFY handle) {
    const std::lock_guard<std::mutex> guard(lock_);
    const auto slot = reinterpret_cast<UINT_PTR>(handle);
    if (slot == 0 || slot > windows_.size() || windows_[slot - 1] == nullptr) {
        return FALSE;
    }
    windows_[slot - 1] = nullptr;
    return TRUE;
}

}  // namespace devices
