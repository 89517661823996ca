// Owners of Win32 handles: each releases its handle exactly once, cannot be
// copied, and can be moved.
#pragma once

#include <windows.h>

#include <utility>

namespace tavimo {

template <typename Handle, auto Close>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, Handle{}));
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // For functions that hand out a new handle through a pointer.
    Handle* put() {
        reset();
        return &handle_;
    }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

// Process, thread, event and other kernel handles that are null when absent.
using UniqueHandle = Unique<HANDLE, &CloseHandle>;
using UniqueKey = Unique<HKEY, &RegCloseKey>;
using UniqueModule = Unique<HMODULE, &FreeLibrary>;

}  // namespace tavimo
