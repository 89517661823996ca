// Owners of Win32 handles: each releases its handle exactly once, cannot be
// copied, and can be moved. Each kind counts the handles it holds, so that
// tests can show that nothing is kept across reloads.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace tavimo {

template <typename Handle, auto Close>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {
        if (handle_ != Handle{}) {
            ++live_;
        }
    }
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Handle{});  // counted already
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // For functions that hand out a new handle through a pointer.
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            Close(handle_);
            --live_;
        }
        handle_ = handle;
        if (handle_ != Handle{}) {
            ++live_;
        }
    }

    // How many handles of this kind are held now.
    static int Live() { return live_; }

private:
    static inline std::atomic<int> live_{0};
    Handle handle_{};
};

// Process, thread, event and other kernel handles that are null when absent.
using UniqueHandle = Unique<HANDLE, &CloseHandle>;
using UniqueKey = Unique<HKEY, &RegCloseKey>;
using UniqueModule = Unique<HMODULE, &FreeLibrary>;
using UniqueBitmap = Unique<HBITMAP, &DeleteObject>;
using UniqueFont = Unique<HFONT, &DeleteObject>;
using UniqueRegion = Unique<HRGN, &DeleteObject>;
using UniqueMemoryDC = Unique<HDC, &DeleteDC>;
using UniqueIcon = Unique<HICON, &DestroyIcon>;
using UniqueMenu = Unique<HMENU, &DestroyMenu>;

// A window's (or, for null, the screen's) device context, borrowed for the
// life of the scope.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context for the life of the scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tavimo
