#include "virtual_install.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace devices {
namespace {

HDEVINFO SetHandle(std::size_t index) {
    return reinterpret_cast<HDEVINFO>(index + 1);
}

std::size_t SetIndex(HDEVINFO set) {
    return reinterpret_cast<std::size_t>(set) - 1;
}

// The strings one after the other, each with its zero, and a closing zero.
std::string MultiString(const std::vector<std::string>& strings) {
    std::string bytes;
    for (const std::string& text : strings) {
        bytes += text;
        bytes += '\0';
    }
    bytes += '\0';
    return bytes;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

void VirtualInstall::Plug(Device device) {
    const std::lock_guard<std::mutex> guard(lock_);
    devices_.push_back(std::move(device));
}

void VirtualInstall::UnplugAll() {
    const std::lock_guard<std::mutex> guard(lock_);
    devices_.clear();
}

void VirtualInstall::HoldInf(const std::string& fileName) {
    const std::lock_guard<std::mutex> guard(lock_);
    store_.insert(fileName);
}

void VirtualInstall::FailNextPlacement(DWORD error) {
    const std::lock_guard<std::mutex> guard(lock_);
    failPlacement_ = error;
}

void VirtualInstall::FailNextUpdate(DWORD error) {
    const std::lock_guard<std::mutex> guard(lock_);
    failUpdate_ = error;
}

void VirtualInstall::AskRestart(bool ask) {
    const std::lock_guard<std::mutex> guard(lock_);
    askRestart_ = ask;
}

std::vector<VirtualInstall::Call> VirtualInstall::Calls() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return calls_;
}

std::vector<VirtualInstall::Call> VirtualInstall::Calls(const std::string& function) const {
    std::vector<Call> found = Calls();
    std::erase_if(found, [&](const Call& call) { return call.function != function; });
    return found;
}

int VirtualInstall::OpenSets() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return static_cast<int>(
        std::count_if(sets_.begin(), sets_.end(), [](const auto& set) { return set.has_value(); }));
}

const std::vector<VirtualInstall::Device>* VirtualInstall::Listed(HDEVINFO set) const {
    const std::size_t index = SetIndex(set);
    return index < sets_.size() && sets_[index] ? &*sets_[index] : nullptr;
}

HDEVINFO VirtualInstall::GetClassDevs(const GUID* setupClass, DWORD flags) {
    const std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back({"SetupDiGetClassDevsA", {}, flags});
    // Only the USB class's present devices are simulated.
    const bool usb = setupClass != nullptr && *setupClass == kUsbDeviceClass;
    sets_.emplace_back(usb && (flags & DIGCF_PRESENT) != 0 ? devices_ : std::vector<Device>{});
    return SetHandle(sets_.size() - 1);
}

BOOL VirtualInstall::EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) {
    const std::lock_guard<std::mutex> guard(lock_);
    const std::vector<Device>* listed = Listed(set);
    if (listed == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (data == nullptr || data->cbSize != sizeof(SP_DEVINFO_DATA)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (index >= listed->size()) {
        return Fail(ERROR_NO_MORE_ITEMS);
    }
    data->ClassGuid = kUsbDeviceClass;
    data->DevInst = index + 1;
    data->Reserved = 0;
    return TRUE;
}

BOOL VirtualInstall::GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property,
                                               DWORD* type, BYTE* buffer, DWORD size,
                                               DWORD* required) {
    const std::lock_guard<std::mutex> guard(lock_);
    const std::vector<Device>* listed = Listed(set);
    if (listed == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (data == nullptr || data->cbSize != sizeof(SP_DEVINFO_DATA) || data->DevInst == 0 ||
        data->DevInst > listed->size()) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const Device& device = (*listed)[data->DevInst - 1];
    if (property != SPDRP_HARDWAREID || !device.hardwareIds) {
        return Fail(ERROR_INVALID_DATA);
    }
    const std::string bytes = MultiString(*device.hardwareIds);
    const auto needed = static_cast<DWORD>(bytes.size());
    if (required != nullptr) {
        *required = needed;
    }
    if (type != nullptr) {
        *type = REG_MULTI_SZ;
    }
    if (buffer == nullptr || size < needed) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    return TRUE;
}

BOOL VirtualInstall::DestroyDeviceInfoList(HDEVINFO set) {
    const std::lock_guard<std::mutex> guard(lock_);
    const std::size_t index = SetIndex(set);
    if (index >= sets_.size() || !sets_[index]) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    sets_[index].reset();
    return TRUE;
}

// As the system's: an INF the store does not hold yet is placed only when
// the copy style allows a new one (SP_COPY_REPLACEONLY does not).
BOOL VirtualInstall::CopyOEMInf(const char* infPath, const char*, DWORD, DWORD copyStyle) {
    const std::lock_guard<std::mutex> guard(lock_);
    const std::string path = infPath != nullptr ? infPath : "";
    calls_.push_back({"SetupCopyOEMInfA", path, copyStyle});
    if (const auto error = std::exchange(failPlacement_, std::nullopt)) {
        return Fail(*error);
    }
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    const std::string name = FileNameOf(path);
    if ((copyStyle & SP_COPY_REPLACEONLY) != 0 && store_.count(name) == 0) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    store_.insert(name);
    return TRUE;
}

BOOL VirtualInstall::UpdateDriver(HWND, const char* hardwareId, const char* infPath, DWORD flags,
                                  BOOL* restart) {
    const std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back({"UpdateDriverForPlugAndPlayDevicesA",
                      std::string(hardwareId != nullptr ? hardwareId : "") + "|" +
                          (infPath != nullptr ? infPath : ""),
                      flags});
    if (const auto error = std::exchange(failUpdate_, std::nullopt)) {
        return Fail(*error);
    }
    if (infPath == nullptr || GetFileAttributesA(infPath) == INVALID_FILE_ATTRIBUTES) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    if (restart != nullptr && askRestart_) {
        *restart = TRUE;
    }
    return TRUE;
}

}  // namespace devices
