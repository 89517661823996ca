#include "virtual_pipe.h"

#include <cstring>

namespace devices {
namespace {

const HDEVINFO kPipeSet = reinterpret_cast<HDEVINFO>(static_cast<UINT_PTR>(0x8900));
const HANDLE kPipeHandle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x9900));
constexpr char kPipeSuffix[] = "\\PIPE00";

}  // namespace

void VirtualPipe::SetPresent(bool present) {
    const std::lock_guard<std::mutex> guard(lock_);
    present_ = present;
}

void VirtualPipe::SetInterfacePath(std::string path) {
    const std::lock_guard<std::mutex> guard(lock_);
    path_ = std::move(path);
}

void VirtualPipe::FailOpens(int count) {
    const std::lock_guard<std::mutex> guard(lock_);
    failOpens_ = count;
}

void VirtualPipe::FailWrites(int count) {
    const std::lock_guard<std::mutex> guard(lock_);
    failWrites_ = count;
}

void VirtualPipe::SetWriteObserver(std::function<void()> observer) {
    const std::lock_guard<std::mutex> guard(lock_);
    observer_ = std::move(observer);
}

std::vector<std::vector<BYTE>> VirtualPipe::Blocks() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return blocks_;
}

std::vector<std::optional<presets::PresetBlock>> VirtualPipe::Decoded() const {
    std::vector<std::optional<presets::PresetBlock>> decoded;
    for (const auto& block : Blocks()) {
        decoded.push_back(presets::DecodeBlock(block));
    }
    return decoded;
}

int VirtualPipe::OpenCalls() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return openCalls_;
}

int VirtualPipe::WriteCalls() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return writeCalls_;
}

int VirtualPipe::OpenHandles() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return openHandles_;
}

int VirtualPipe::OpenSets() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return openSets_;
}

HDEVINFO VirtualPipe::GetClassDevs(const GUID*, DWORD) {
    const std::lock_guard<std::mutex> guard(lock_);
    ++openSets_;
    return kPipeSet;
}

BOOL VirtualPipe::EnumDeviceInterfaces(HDEVINFO set, const GUID* guid, DWORD index,
                                       SP_DEVICE_INTERFACE_DATA* data) {
    const std::lock_guard<std::mutex> guard(lock_);
    // One interface, of the filter driver's class only.
    if (set != kPipeSet || guid == nullptr || !IsEqualGUID(*guid, kFilterDriverClass) ||
        !present_ || index != 0 || data == nullptr) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    data->InterfaceClassGuid = kFilterDriverClass;
    return TRUE;
}

BOOL VirtualPipe::GetDeviceInterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA*,
                                           SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD size,
                                           DWORD* required) {
    const std::lock_guard<std::mutex> guard(lock_);
    const DWORD needed = static_cast<DWORD>(
        offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path_.size() + 1);
    if (required != nullptr) {
        *required = needed;
    }
    if (set != kPipeSet || detail == nullptr || size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(detail->DevicePath, path_.c_str(), path_.size() + 1);
    return TRUE;
}

BOOL VirtualPipe::DestroyDeviceInfoList(HDEVINFO set) {
    const std::lock_guard<std::mutex> guard(lock_);
    if (set != kPipeSet || openSets_ == 0) {
        return FALSE;
    }
    --openSets_;
    return TRUE;
}

HANDLE VirtualPipe::CreatePipeFile(const char* path, DWORD access, DWORD, DWORD, DWORD) {
    const std::lock_guard<std::mutex> guard(lock_);
    ++openCalls_;
    const std::string expected = path_ + kPipeSuffix;
    if (!present_ || path == nullptr || expected != path ||
        (access & (GENERIC_READ | GENERIC_WRITE)) != (GENERIC_READ | GENERIC_WRITE)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (failOpens_ > 0) {
        --failOpens_;
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    ++openHandles_;
    return kPipeHandle;
}

BOOL VirtualPipe::WritePipe(HANDLE file, const void* buffer, DWORD size, DWORD* written) {
    std::function<void()> observer;
    {
        const std::lock_guard<std::mutex> guard(lock_);
        ++writeCalls_;
        if (written != nullptr) {
            *written = 0;
        }
        if (file != kPipeHandle || openHandles_ == 0 || !present_ || failWrites_ > 0) {
            failWrites_ = failWrites_ > 0 ? failWrites_ - 1 : 0;
            SetLastError(ERROR_DEVICE_NOT_CONNECTED);
            return FALSE;
        }
        const auto* bytes = static_cast<const BYTE*>(buffer);
        blocks_.emplace_back(bytes, bytes + size);
        if (written != nullptr) {
            *written = size;
        }
        observer = observer_;
    }
    if (observer) {
        observer();
    }
    return TRUE;
}

BOOL VirtualPipe::ClosePipe(HANDLE file) {
    const std::lock_guard<std::mutex> guard(lock_);
    if (file != kPipeHandle || openHandles_ == 0) {
        return FALSE;
    }
    --openHandles_;
    return TRUE;
}

}  // namespace devices
