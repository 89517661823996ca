#include "tray_icon.h"

#include "app.h"
#include "resource_source.h"
#include "unique_handle.h"

namespace tray {
namespace {

#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
#endif

// The first-version record's tooltip field.
constexpr int kTooltipBytes = 64;

void CopyTooltip(char* tip, const char* text) {
    lstrcpynA(tip, text, kTooltipBytes);
}

}  // namespace

CTrayIcon::CTrayIcon(UINT id) {
    record_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record_.uID = id;
    LoadStringA(framework::ResourceSource(), id, record_.szTip, kTooltipBytes);
}

CTrayIcon::~CTrayIcon() {
    ShowIcon(0u);
}

UINT CTrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void CTrayIcon::SetNotifyWindow(HWND window, UINT message) {
    record_.hWnd = window;
    record_.uCallbackMessage = message;
    windowHook_.Hook(window);
    const HWND topLevel = GetAncestor(window, GA_ROOT);
    if (topLevel != nullptr && topLevel != window) {
        parentHook_.Hook(topLevel);
    }
}

BOOL CTrayIcon::ShowIcon(UINT resourceId) {
    if (resourceId == 0) {
        return ShowIcon(nullptr, nullptr);
    }
    const HINSTANCE source = framework::ResourceSource();
    const HICON icon = LoadIconA(source, MAKEINTRESOURCEA(resourceId));
    if (icon == nullptr) {
        return FALSE;
    }
    char tip[kTooltipBytes] = {};
    LoadStringA(source, resourceId, tip, kTooltipBytes);
    CopyTooltip(record_.szTip, tip);
    return ShowIcon(icon, nullptr);
}

BOOL CTrayIcon::ShowIcon(HICON icon, const char* tooltip) {
    DWORD action = NIM_DELETE;
    record_.uFlags = 0;
    if (icon != nullptr) {
        action = shown_ ? NIM_MODIFY : NIM_ADD;
        record_.hIcon = icon;
        record_.uFlags = NIF_ICON;
    } else if (!shown_) {
        record_.hIcon = nullptr;
        return TRUE;
    }
    if (tooltip != nullptr) {
        CopyTooltip(record_.szTip, tooltip);
    }
    if (record_.szTip[0] != '\0') {
        record_.uFlags |= NIF_TIP;
    }
    if (record_.uCallbackMessage != 0 && record_.hWnd != nullptr) {
        record_.uFlags |= NIF_MESSAGE;
    }
    const BOOL result = Shell_NotifyIconA(action, &record_);
    shown_ = result && action != NIM_DELETE;
    if (action == NIM_DELETE) {
        record_.hIcon = nullptr;
    }
    return result;
}

LRESULT CTrayIcon::HandleNotification(WPARAM id, LPARAM event) {
    if (id != record_.uID || (event != WM_RBUTTONUP && event != WM_LBUTTONDBLCLK)) {
        return 0;
    }
    const tavimo::UniqueMenu menu(
        LoadMenuA(framework::ResourceSource(), MAKEINTRESOURCEA(record_.uID)));
    const HMENU items = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (items == nullptr) {
        return 0;
    }
    if (event == WM_RBUTTONUP) {
        ShowMenu(items);
    } else {
        SendMessageA(record_.hWnd, WM_COMMAND, GetMenuItemID(items, 0), 0);
    }
    return 1;
}

void CTrayIcon::ShowMenu(HMENU menu) const {
    // The window may go while the menu is up (the agent is told to end): only
    // copies are used after it.
    const HWND window = record_.hWnd;
    SetMenuDefaultItem(menu, 0, TRUE);
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
    // The agent may have been told to end while the menu was up.
    framework::CWinApp::AfterModalLoop();
    // Without a message after the menu, a click elsewhere may not close it
    // the next time.
    PostMessageA(window, WM_NULL, 0, 0);
}

LRESULT CTrayIcon::HandleTaskbarRecreated(WPARAM, LPARAM) {
    // The new taskbar has no icon of ours yet.
    shown_ = false;
    if (record_.hIcon != nullptr) {
        ShowIcon(record_.hIcon, nullptr);
    }
    return 0;
}

LRESULT CTrayIcon::IconHook::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == icon_.record_.uCallbackMessage && Hooked() == icon_.record_.hWnd) {
        icon_.HandleNotification(wParam, lParam);
    } else if (message == TaskbarCreatedMessage()) {
        icon_.HandleTaskbarRecreated(wParam, lParam);
    }
    return PassOn(message, wParam, lParam);
}

}  // namespace tray
