#include "headset_window.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

#include "language_rules.h"
#include "language_switch.h"
#include "mixer_math.h"
#include "themed_controls.h"

namespace demo {
namespace {

// Posted by the virtual devices, wParam a VirtualHeadset::Change.
constexpr UINT kDeviceChanged = WM_APP + 0x40;

constexpr int kMuteButtonId = 100, kUnplugId = 101, kPlugId = 102, kMicMuteId = 103,
              kStatusId = 104, kLanguageId = 105;
constexpr int kMargin = 8, kClientWidth = 296, kRowHeight = 26, kLabelWidth = 80;
constexpr int kStatusLines = 14, kLineHeight = 15;
// Room between the frame and this window for the frame's dialogs, which are
// a little wider than the frame.
constexpr int kGap = 40;

struct LevelBar {
    int id;
    const char* label;
    Action action;
};

constexpr std::array<LevelBar, 5> kLevelBars = {{
    {110, "Volume", Action::Volume},
    {111, "Balance", Action::Balance},
    {112, "Bass", Action::Bass},
    {113, "Treble", Action::Treble},
    {114, "Mic level", Action::Mic},
}};

const LevelBar* BarOf(int id) {
    const auto bar = std::find_if(kLevelBars.begin(), kLevelBars.end(),
                                  [id](const LevelBar& b) { return b.id == id; });
    return bar != kLevelBars.end() ? &*bar : nullptr;
}

int LevelOf(const HeadsetStatus& status, Action action) {
    switch (action) {
        case Action::Volume:
            return status.volume;
        case Action::Balance:
            return status.balance;
        case Action::Bass:
            return status.bass;
        case Action::Treble:
            return status.treble;
        default:
            return status.mic;
    }
}

// The scroll bar's new position for a scroll code; -1 when it does not move.
int ScrolledPosition(HWND bar, int code) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(bar, SB_CTL, &info)) {
        return -1;
    }
    switch (code) {
        case SB_LINELEFT:
            return std::max(info.nMin, info.nPos - 1);
        case SB_LINERIGHT:
            return std::min(info.nMax, info.nPos + 1);
        case SB_PAGELEFT:
            return std::max(info.nMin, info.nPos - 4);
        case SB_PAGERIGHT:
            return std::min(info.nMax, info.nPos + 4);
        case SB_LEFT:
            return info.nMin;
        case SB_RIGHT:
            return info.nMax;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return info.nTrackPos;
        default:
            return -1;
    }
}

// Status lines for a static control: CR LF line ends.
std::string ForStatic(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        if (c == '\n') {
            shown += '\r';
        }
        shown += c;
    }
    return shown;
}

}  // namespace

CHeadsetWindow::~CHeadsetWindow() {
    StopObserving();
}

bool CHeadsetWindow::Create() {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const int clientHeight = kMargin * 3 + 24 +
                             kRowHeight * static_cast<int>(kLevelBars.size() + 2) +
                             kStatusLines * kLineHeight;
    RECT frame = {0, 0, kClientWidth, clientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    if (!CreateEx(0, kHeadsetWindowClass, kHeadsetWindowTitle, style, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr)) {
        return false;
    }
    CreateControls();
    headset_.Observe(m_hWnd, kDeviceChanged);
    actions_.NoteDownload();
    Refresh();
    PlaceBesideFrame(frame.right - frame.left, frame.bottom - frame.top);
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    return true;
}

void CHeadsetWindow::CreateControls() {
    const framework::ThemedControls themed;  // the system's look, as the dialogs have
    AddControl("BUTTON", "Press mute button", BS_PUSHBUTTON, {kMargin, kMargin, 132, 24},
               kMuteButtonId);
    AddControl("BUTTON", "Unplug", BS_PUSHBUTTON, {148, kMargin, 66, 24}, kUnplugId);
    AddControl("BUTTON", "Plug", BS_PUSHBUTTON, {222, kMargin, 66, 24}, kPlugId);
    int y = kMargin * 2 + 24;
    for (const LevelBar& level : kLevelBars) {
        AddControl("STATIC", level.label, SS_LEFT, {kMargin, y + 2, kLabelWidth, 18}, 0);
        const HWND bar = AddControl(
            "SCROLLBAR", "", SBS_HORZ,
            {kMargin + kLabelWidth, y, kClientWidth - 2 * kMargin - kLabelWidth, 18}, level.id);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = headset::kPositionMax;
        info.nPage = 1;
        SetScrollInfo(bar, SB_CTL, &info, FALSE);
        y += kRowHeight;
    }
    AddControl("BUTTON", "Microphone muted (as another program)", BS_AUTOCHECKBOX,
               {kMargin, y, kClientWidth - 2 * kMargin, 20}, kMicMuteId);
    y += kRowHeight;
    // The language as the Control Panel chooses it.
    AddControl("STATIC", "Language", SS_LEFT, {kMargin, y + 3, kLabelWidth, 18}, 0);
    const HWND languages = AddControl(
        "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL,
        {kMargin + kLabelWidth, y, kClientWidth - 2 * kMargin - kLabelWidth, 160}, kLanguageId);
    const auto names = tavimo::LanguageNames();
    for (const std::string_view name : names) {
        SendMessageA(languages, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(std::string(name).c_str()));
    }
    // What the control center shows: any name but the five others is English.
    const auto shown = tavimo::LanguageNameIndex(tavimo::StoredLanguage().value_or(""));
    SendMessageA(languages, CB_SETCURSEL, shown.value_or(0), 0);
    y += kRowHeight;
    AddControl("STATIC", "", SS_LEFT | SS_NOPREFIX,
               {kMargin, y, kClientWidth - 2 * kMargin, kStatusLines * kLineHeight}, kStatusId);
}

HWND CHeadsetWindow::AddControl(const char* className, const char* text, DWORD style, RECT place,
                                int id) {
    const HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style,
                                         place.left, place.top, place.right, place.bottom, m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         GetModuleHandleA(nullptr), nullptr);
    if (control != nullptr) {
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    return control;
}

void CHeadsetWindow::PlaceBesideFrame(int width, int height) {
    RECT frame = {};
    if (frame_ == nullptr || !GetWindowRect(frame_, &frame)) {
        return;
    }
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = frame.right + kGap;
    if (x + width > screenWidth) {
        x = std::max(0, static_cast<int>(frame.left) - kGap - width);
    }
    const int y = std::clamp(static_cast<int>(frame.top), 0, std::max(0, screenHeight - height));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CHeadsetWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED ||
                (HIWORD(wParam) == CBN_SELCHANGE && LOWORD(wParam) == kLanguageId)) {
                OnControl(LOWORD(wParam));
            }
            return 0;
        case WM_HSCROLL:
            OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_COPYDATA:
            return OnCopyData(reinterpret_cast<HWND>(wParam),
                              *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case kDeviceChanged:
            if (wParam == static_cast<WPARAM>(devices::VirtualHeadset::Change::Download)) {
                actions_.NoteDownload();
            }
            Refresh();
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(m_hWnd, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        case WM_DESTROY:
            StopObserving();
            return 0;
        default:
            break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CHeadsetWindow::OnControl(int id) {
    switch (id) {
        case kMuteButtonId:
            RunCommand({Action::PressMute});
            break;
        case kUnplugId:
            RunCommand({Action::Unplug});
            break;
        case kPlugId:
            RunCommand({Action::Plug});
            break;
        case kMicMuteId:
            RunCommand(
                {Action::MicMute, IsDlgButtonChecked(m_hWnd, kMicMuteId) == BST_CHECKED ? 1 : 0});
            break;
        case kLanguageId: {
            const auto index = SendDlgItemMessageA(m_hWnd, kLanguageId, CB_GETCURSEL, 0, 0);
            if (index != CB_ERR) {
                RunCommand({Action::Language, static_cast<int>(index)});
            }
            break;
        }
        default:
            break;
    }
}

void CHeadsetWindow::OnScroll(HWND bar, int code) {
    const LevelBar* level = BarOf(GetDlgCtrlID(bar));
    const int position = ScrolledPosition(bar, code);
    if (level != nullptr && position >= 0) {
        SetScrollPos(bar, SB_CTL, position, TRUE);
        RunCommand({level->action, position});
    }
}

LRESULT CHeadsetWindow::OnCopyData(HWND replyTo, const COPYDATASTRUCT& data) {
    if (data.dwData != kCommandTag || data.lpData == nullptr || data.cbData > kMaxCommandLength) {
        return FALSE;
    }
    const std::optional<DemoCommand> command =
        ParseCommand(std::string_view(static_cast<const char*>(data.lpData), data.cbData));
    if (!command || !RunCommand(*command)) {
        return FALSE;
    }
    if (command->action == Action::Status && replyTo != nullptr && IsWindow(replyTo)) {
        const std::string text = StatusText(actions_.Status(frame_));
        COPYDATASTRUCT reply = {kStatusTag, static_cast<DWORD>(text.size()),
                                const_cast<char*>(text.data())};
        SendMessageA(replyTo, WM_COPYDATA, reinterpret_cast<WPARAM>(m_hWnd),
                     reinterpret_cast<LPARAM>(&reply));
    }
    return TRUE;
}

bool CHeadsetWindow::RunCommand(const DemoCommand& command) {
    const bool done = actions_.Run(command);
    if (done && command.action == Action::Language) {
        SendDlgItemMessageA(m_hWnd, kLanguageId, CB_SETCURSEL, static_cast<WPARAM>(command.value),
                            0);
    }
    Refresh();
    return done;
}

void CHeadsetWindow::Refresh() {
    if (m_hWnd == nullptr) {
        return;
    }
    const HeadsetStatus status = actions_.Status(frame_);
    for (const LevelBar& level : kLevelBars) {
        const int position = LevelOf(status, level.action);
        const HWND bar = GetDlgItem(m_hWnd, level.id);
        EnableWindow(bar, status.plugged && position != kUnknown);
        if (position != kUnknown) {
            SetScrollPos(bar, SB_CTL, position, TRUE);
        }
    }
    EnableWindow(GetDlgItem(m_hWnd, kMuteButtonId), status.plugged);
    EnableWindow(GetDlgItem(m_hWnd, kUnplugId), status.plugged);
    EnableWindow(GetDlgItem(m_hWnd, kPlugId), !status.plugged);
    EnableWindow(GetDlgItem(m_hWnd, kMicMuteId), status.plugged);
    CheckDlgButton(m_hWnd, kMicMuteId, status.micMute == 1 ? BST_CHECKED : BST_UNCHECKED);
    const std::string text = ForStatic(StatusText(status));
    if (text != shownStatus_) {
        shownStatus_ = text;
        SetDlgItemTextA(m_hWnd, kStatusId, text.c_str());
    }
}

void CHeadsetWindow::StopObserving() {
    headset_.Observe(nullptr, 0);
}

}  // namespace demo
