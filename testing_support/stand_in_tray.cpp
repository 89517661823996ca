#include "stand_in_tray.h"

#include <shellapi.h>

namespace testing_support {
namespace {

constexpr char kTrayClass[] = "Shell_TrayWnd";

// The fields at the start of what Wine sends for each icon call.
struct IconFields {
    LONG window;
    UINT id;
    UINT flags;
    UINT callback;
    WCHAR tip[128];
};

std::string Narrow(const WCHAR* text) {
    char narrow[256] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
    return narrow;
}

}  // namespace

StandInTray::StandInTray() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTrayClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTrayClass, "", WS_POPUP, 0, 0, 1,
                              1, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

StandInTray::~StandInTray() {
    DestroyWindow(window_);
    UnregisterClassA(kTrayClass, GetModuleHandleA(nullptr));
}

bool StandInTray::Shows(HWND window, UINT id) const {
    bool shown = false;
    for (const Call& call : calls_) {
        if (call.accepted && call.window == window && call.id == id) {
            shown = call.action != NIM_DELETE;
        }
    }
    return shown;
}

std::string StandInTray::LastTip() const {
    std::string tip;
    for (const Call& call : calls_) {
        if (call.accepted && (call.flags & NIF_TIP) != 0) {
            tip = call.tip;
        }
    }
    return tip;
}

LRESULT CALLBACK StandInTray::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* tray = reinterpret_cast<StandInTray*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && tray != nullptr) {
        return tray->Note(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT StandInTray::Note(const COPYDATASTRUCT& data) {
    if (data.cbData < sizeof(IconFields) || data.lpData == nullptr) {
        return FALSE;
    }
    IconFields fields;
    CopyMemory(&fields, data.lpData, sizeof fields);
    fields.tip[127] = L'\0';
    calls_.push_back({static_cast<DWORD>(data.dwData),
                      reinterpret_cast<HWND>(static_cast<LONG_PTR>(fields.window)), fields.id,
                      fields.flags, fields.callback, Narrow(fields.tip), !refuse_});
    return refuse_ ? FALSE : TRUE;
}

}  // namespace testing_support
