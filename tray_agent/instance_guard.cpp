#include "instance_guard.h"

#include <string_view>

namespace tray {
namespace {

constexpr char kDefaultName[] = "Tavimo tray app";
constexpr char kClassSuffix[] = " Class 76154AD6-7554-497d-9A84-E9A9EEB4C585";

std::string GuardName(UINT resourceId) {
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), resourceId, text, sizeof text);
    const std::string_view loaded(text);
    const std::string name(loaded.substr(0, loaded.find('\n')));
    return (name.empty() ? std::string(kDefaultName) : name) + kClassSuffix;
}

}  // namespace

CInstanceGuard::CInstanceGuard(UINT resourceId) : name_(GuardName(resourceId)) {}

CInstanceGuard::~CInstanceGuard() {
    Release();
}

bool CInstanceGuard::Guard() {
    mutex_.reset(CreateMutexA(nullptr, FALSE, name_.c_str()));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (const HWND found = FindWindowExA(nullptr, nullptr, name_.c_str(), nullptr)) {
            ShowWindow(found, SW_RESTORE);
            BringWindowToTop(found);
            SetForegroundWindow(found);
        }
        mutex_.reset();
        return false;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(2));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name_.c_str();
    registered_ = RegisterClassA(&windowClass) != 0;
    if (!registered_) {
        MessageBoxA(nullptr, "Failed to register window class!", nullptr, MB_OK | MB_ICONERROR);
        mutex_.reset();
        return false;
    }
    return true;
}

void CInstanceGuard::Release() {
    if (registered_) {
        UnregisterClassA(name_.c_str(), GetModuleHandleA(nullptr));
        registered_ = false;
    }
    mutex_.reset();
}

}  // namespace tray
