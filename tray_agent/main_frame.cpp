#include "main_frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <utility>

#include "agent_messages.h"
#include "common_controls.h"
#include "dialog.h"
#include "registry_mgr.h"
#include "trace_line.h"

namespace tray {
namespace {

// Child, visible, at the bottom with a border on top.
constexpr DWORD kStatusBarStyle = 0x50008200;
// Child, visible, vertical scroll bar, read-only, multi-line.
constexpr DWORD kTraceStyle = 0x50200804;

HWND CreateChild(HWND parent, const char* windowClass, DWORD style, UINT id) {
    return CreateWindowExA(0, windowClass, "", style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

CMainFrame::CMainFrame(const RestoreDevices& devices, LanguageLibrary& language,
                       std::function<void()> destroyed)
    : devices_(devices),
      language_(language),
      destroyed_(std::move(destroyed)),
      trayIcon_(kTrayIconId),
      power_([this] { fields_ = RestoreHeadset(devices_, m_hWnd); }) {}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_SIZE:
            LayOut();
            return 0;
        case WM_SHOWWINDOW:
            if (wParam) {
                ShowStatusBar();
            }
            break;
        case WM_CLOSE:
            if (exiting_) {
                DestroyWindow();
            } else {
                ShowWindow(m_hWnd, SW_HIDE);
            }
            return 0;
        case WM_DESTROY:
            trayIcon_.ShowIcon(0u);
            if (destroyed_) {
                destroyed_();
            }
            break;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case kTrayNotifyMessage:
            AppendTrace(wParam, lParam);
            return 0;
        case WM_POWERBROADCAST:
            return power_.OnPowerBroadcast(wParam);
        case kTextsChangedMessage:
            LoadLanguageLibrary();
            return 0;
        case kTrayExitMessage:
            Exit();
            return 0;
        default:
            if (message == CloseWindowMessage()) {
                DestroyWindow();
                return 0;
            }
            break;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

bool CMainFrame::OnCreate() {
    trace_ = CreateChild(m_hWnd, "EDIT", kTraceStyle, kTraceEditId);
    if (trace_ == nullptr) {
        return false;
    }
    trayIcon_.SetNotifyWindow(m_hWnd, kTrayNotifyMessage);
    firstIcon_ = true;
    trayIcon_.ShowIcon(kFirstIcon);
    LoadLanguageLibrary();
    return true;
}

void CMainFrame::ShowStatusBar() {
    if (statusBar_ != nullptr || !framework::UseCommonControls(ICC_BAR_CLASSES)) {
        return;
    }
    statusBar_ = CreateChild(m_hWnd, STATUSCLASSNAMEA, kStatusBarStyle, kStatusBarId);
    int paneEnd = -1;  // one pane, to the right edge
    SendMessageA(statusBar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&paneEnd));
    LayOut();
}

void CMainFrame::LayOut() const {
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    RECT bar = {};
    if (statusBar_ != nullptr) {
        SendMessageA(statusBar_, WM_SIZE, 0, 0);
        GetWindowRect(statusBar_, &bar);
    }
    const int traceHeight = client.bottom - (bar.bottom - bar.top);
    MoveWindow(trace_, 0, 0, client.right, traceHeight > 0 ? traceHeight : 0, TRUE);
}

void CMainFrame::OnCommand(UINT id) {
    switch (id) {
        case kToggleIconCommand:
            trayIcon_.ShowIcon(firstIcon_ ? kSecondIcon : kFirstIcon);
            firstIcon_ = !firstIcon_;
            break;
        case kClearTraceCommand:
            SetWindowTextA(trace_, "");
            break;
        case kShowNotificationsCommand:
            showNotifications_ = !showNotifications_;
            break;
        case kOpenControlCenterCommand:
            OpenControlCenter();
            break;
        case kExitCommand:
            Exit();
            break;
        case kAboutCommand: {
            framework::CDialog about(kAboutDialog);
            about.DoModal(m_hWnd);
            break;
        }
        default:
            break;
    }
}

void CMainFrame::OnInitMenuPopup(HMENU menu) const {
    const UINT enabled = TraceHasText() ? MF_ENABLED : MF_GRAYED;
    EnableMenuItem(menu, kClearTraceCommand, MF_BYCOMMAND | enabled);
    const UINT checked = showNotifications_ ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(menu, kShowNotificationsCommand, MF_BYCOMMAND | checked);
}

bool CMainFrame::TraceHasText() const {
    if (SendMessageA(trace_, EM_GETLINECOUNT, 0, 0) > 1) {
        return true;
    }
    const LRESULT lineStart = SendMessageA(trace_, EM_LINEINDEX, static_cast<WPARAM>(-1), 0);
    return SendMessageA(trace_, EM_LINELENGTH, static_cast<WPARAM>(lineStart), 0) > 0;
}

void CMainFrame::AppendTrace(WPARAM id, LPARAM event) const {
    if (!showNotifications_) {
        return;
    }
    const std::string line = TraceLine(static_cast<int>(id), static_cast<std::uint32_t>(event));
    // At the end, wherever the caret was left.
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(trace_));
    SendMessageA(trace_, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(trace_, EM_SCROLLCARET, 0, 0);
    SendMessageA(trace_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(trace_, EM_SCROLLCARET, 0, 0);
}

bool CMainFrame::LoadLanguageLibrary() {
    CRegistryMgr registry;
    registry.ReadLanguage();
    fields_.settings.language = registry.Settings().language;
    fields_.settings.directory = registry.InstallationDirectory();
    return language_.LoadChosen(fields_.settings.directory, fields_.settings.language,
                                [this] { trayIcon_.ShowIcon(kFirstIcon); });
}

void CMainFrame::OpenControlCenter() const {
    CRegistryMgr registry;
    const std::string program = registry.InstallationDirectory() + "\\Tavimo" + ".exe";
    ShellExecuteA(nullptr, "open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::Exit() {
    exiting_ = true;
    SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
}

}  // namespace tray
