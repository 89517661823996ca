#include "main_frame.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "child_painting.h"
#include "common_controls.h"
#include "element_ids.h"
#include "language_table.h"
#include "layout_choice.h"
#include "message_dialog.h"
#include "themed_controls.h"

namespace tavimo {
namespace {

constexpr UINT kCloseButton = 999;
constexpr UINT kEnlargeReduceButton = 998;
constexpr UINT kMinimizeButton = 9;
constexpr UINT kHelpButton = 8;
constexpr UINT kFirstTab = 202;
constexpr UINT kLastTab = 205;
constexpr int kCornerSize = 12;

// Sent by Windows' multimedia system when audio devices come and go.
const UINT kAudioDevicesChanged = RegisterWindowMessageA("winmm_devicechange");

// The version of Windows the controller's rules ask for.
WindowsVersion RunningVersion() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) {
        return {};
    }
    info.szCSDVersion[sizeof info.szCSDVersion - 1] = '\0';
    return {info.dwMajorVersion, info.dwMinorVersion, info.szCSDVersion};
}

}  // namespace

CMainFrame::CMainFrame(devices::DeviceSet devices, Desktop& desktop)
    : devices_(devices),
      audio_(devices),
      desktop_(desktop),
      deviceNotification_(devices.platform) {}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& create) {
    if (!CFrameWnd::PreCreateWindow(create)) {
        return FALSE;
    }
    create.style &= ~static_cast<LONG>(WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    create.dwExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    create.hMenu = nullptr;
    return TRUE;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAudioDevicesChanged && kAudioDevicesChanged != 0) {
        OnAudioDevicesChanged();
        return 0;
    }
    if (controller_ && OnControllerMessage(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            PaintClient(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_NCHITTEST:
            return OnNcHitTest(lParam);
        case WM_SETCURSOR:
            // The mouse is over the frame or an item: tooltips are needed
            // from now on, not before.
            if (toolTips_ == nullptr) {
                CreateToolTips();
            }
            break;
        case WM_MOVE:
            OnMove(lParam);
            return 0;
        case WM_COMMAND:
            // A control's own notification goes back to its item; the items'
            // commands (lParam 0) went to the controller above.
            if (lParam != 0) {
                OnControlNotification(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
                return 0;
            }
            break;
        case WM_DRAWITEM:
            if (auto* item = skin::DisplayItem::FromWindow(
                    reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem)) {
                return item->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            }
            break;
        case WM_NOTIFYFORMAT:
            return NFR_ANSI;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_NEEDTEXTA) {
                return OnToolTipText(*reinterpret_cast<NMHDR*>(lParam));
            }
            break;
        case kTextsChangedMessage:
            OnTextsChanged();
            return 0;
        case kItemTextsRefreshed:
            if (controller_) {
                controller_->ShowPresetTexts();
            }
            return 0;
        case kShowStartupProblem:
            ShowStartupProblem(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_DEVICECHANGE:
            OnDeviceChange(wParam, lParam);
            break;  // and on to the default handling
        case WM_DESTROY:
            // The reader thread stops before its window goes.
            audio_.CloseHeadset();
            break;
        default:
            break;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

LRESULT CMainFrame::OnCreate() {
    controller_.emplace(m_hWnd, Controller::Services{audio_, settings_, desktop_, devices_.wave},
                        RunningVersion(), settings_.InstallDirectory());
    deviceNotification_.Register(m_hWnd, devices_.hid);
    audio_.OpenHeadset(m_hWnd, [this](UINT title, UINT text) {
        PostMessageA(m_hWnd, kShowStartupProblem, title, static_cast<LPARAM>(text));
    });
    OpenMixer();
    CheckAudioOutput();
    layout_.SetOwner(m_hWnd);
    if (!LoadLayoutForHeadset()) {
        return -1;
    }
    layout_.NextConfig();
    const skin::Size size = layout_.BoundingSize();
    if (size.IsEmpty()) {
        return -1;
    }
    position_ = {(GetSystemMetrics(SM_CXSCREEN) - size.width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2};
    ShapeWindow(size);
    MoveWindow(m_hWnd, position_.x, position_.y, size.width, size.height, TRUE);
    FullRefresh();
    return 0;
}

bool CMainFrame::OnControllerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Items' commands come with lParam 0; the frame's own ids first.
            return lParam == 0 &&
                   (OnCommand(LOWORD(wParam)) || controller_->OnCommand(LOWORD(wParam)));
        case skin::kSliderMovedH:
            controller_->OnSliderMoved(wParam, lParam);
            return true;
        case MM_MIXM_CONTROL_CHANGE:
            audio_.OnMixerControlChange(reinterpret_cast<HMIXER>(wParam),
                                        static_cast<DWORD>(lParam));
            return true;
        case headset::kVolumeChanged:
        case headset::kBassChanged:
        case headset::kTrebleChanged:
        case headset::kRecordingMuteChanged:
        case headset::kBassBoostChanged:
            controller_->OnMixerChanged(message);
            return true;
        case headset::kButtonMessage:
            controller_->OnHeadsetButton(wParam, lParam);
            return true;
        default:
            return false;
    }
}

void CMainFrame::CheckAudioOutput() {
    if (audio_.HeadsetReady() && audio_.FirstMixerIsAnotherCard()) {
        PostMessageA(m_hWnd, WM_COMMAND, element::kOutputSwitch, 0);
    }
}

void CMainFrame::ShowStartupProblem(UINT title, UINT text) {
    MessageDialog message(kErrorDialog, title, text);
    desktop_.RunModal(message, m_hWnd);
}

void CMainFrame::FullRefresh() {
    if (controller_) {
        controller_->FullRefresh();
    }
}

bool CMainFrame::LoadLayoutForHeadset() {
    layoutId_ = ChooseLayout(audio_.ProductId(), audio_.Hid().SerialNumber());
    return layout_.Load(layoutId_);
}

void CMainFrame::ResizeToLayout() {
    const skin::Size size = layout_.BoundingSize();
    if (!size.IsEmpty()) {
        ShapeWindow(size);
        MoveWindow(m_hWnd, position_.x, position_.y, size.width, size.height, TRUE);
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CMainFrame::ReloadLayout() {
    page_ = 1;  // a loaded layout shows the first set of every panel
    if (!LoadLayoutForHeadset()) {
        return false;
    }
    layout_.SelectConfig(0);
    ResizeToLayout();
    if (toolTips_ != nullptr) {
        CreateToolTips();  // for the new items
    }
    return true;
}

void CMainFrame::ShowPage(int page) {
    layout_.SwitchControlSet(kPagePanel, page);
    layout_.SelectConfig(0);
    ResizeToLayout();
    page_ = page;
}

void CMainFrame::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    PaintClient(dc);
    // The items are the frame's only children.
    framework::PaintChildWindows(m_hWnd, dc, layout_.ItemWindows());
    EndPaint(m_hWnd, &paint);
}

void CMainFrame::PaintClient(HDC dc) const {
    layout_.Paint(dc);
}

// The window takes the rounded shape of the shown panels, together with their
// size and before it is painted: the move that follows repaints the window
// once, where shaping a shown window in its paint would draw it again. The
// region is only replaced when the shape changes.
void CMainFrame::ShapeWindow(skin::Size size) {
    if (size == shape_) {
        return;
    }
    shape_ = size;
    SetWindowRgn(
        m_hWnd, CreateRoundRectRgn(0, 0, size.width, size.height, kCornerSize, kCornerSize), FALSE);
}

LRESULT CMainFrame::OnNcHitTest(LPARAM lParam) const {
    RECT window;
    GetWindowRect(m_hWnd, &window);
    const POINT point = {static_cast<short>(LOWORD(lParam)) - window.left,
                         static_cast<short>(HIWORD(lParam)) - window.top};
    return layout_.HitTest(point) == kTopPanel ? HTCAPTION : HTCLIENT;
}

void CMainFrame::OnMove(LPARAM lParam) {
    const POINT moved = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (moved.x != 0 || moved.y != 0) {
        position_ = moved;
    }
}

bool CMainFrame::OnCommand(int id) {
    if (id == kCloseButton) {
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    } else if (id == kEnlargeReduceButton) {
        layout_.NextConfig();
        ResizeToLayout();
    } else if (id == kHelpButton) {
        controller_->ShowHelp(page_);
    } else if (id == kMinimizeButton) {
        ShowWindow(m_hWnd, SW_MINIMIZE);
    } else if (id >= static_cast<int>(kFirstTab) && id <= static_cast<int>(kLastTab)) {
        ShowPage(id - static_cast<int>(kFirstTab) + 1);
    } else {
        return false;
    }
    return true;
}

void CMainFrame::OnControlNotification(HWND control, UINT code) {
    if (code == BN_CLICKED) {
        if (auto* item = skin::DisplayItem::FromWindow(control)) {
            item->OnClicked();
        }
    }
}

void CMainFrame::CreateToolTips() {
    if (toolTips_ != nullptr) {
        ::DestroyWindow(toolTips_);
        toolTips_ = nullptr;
    }
    const framework::ThemedControls themed;  // the version 6 tooltip window
    if (!framework::UseCommonControls(ICC_WIN95_CLASSES)) {
        return;
    }
    toolTips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (toolTips_ == nullptr) {
        return;
    }
    for (const auto& panel : layout_.Panels()) {
        panel->ForEachItem([this](const skin::DisplayItem& item) {
            TOOLINFOA tool = {};
            // Common controls before version 6 (Windows 98 to 2000, or any
            // program without a manifest) refuse the newer, larger layout.
            tool.cbSize = TTTOOLINFOA_V2_SIZE;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = m_hWnd;
            tool.uId = reinterpret_cast<UINT_PTR>(item.Window());
            tool.lpszText = LPSTR_TEXTCALLBACKA;
            SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        });
    }
}

LRESULT CMainFrame::OnToolTipText(NMHDR& header) const {
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    UINT_PTR id = header.idFrom;
    if ((info.uFlags & TTF_IDISHWND) != 0) {
        id = static_cast<UINT_PTR>(GetDlgCtrlID(reinterpret_cast<HWND>(id)));
    }
    info.szText[0] = '\0';
    info.lpszText = info.szText;
    const std::string text = id != 0 ? Languages().Text(static_cast<unsigned>(id)) : "";
    if (text.empty()) {
        return FALSE;
    }
    // The buffer holds 80 characters with the terminator: longer texts are cut.
    const std::size_t length = std::min(text.size(), sizeof info.szText - 1);
    std::memcpy(info.szText, text.data(), length);
    info.szText[length] = '\0';
    return TRUE;
}

// The language changed: its texts are loaded, every item re-reads its own,
// and the preset names follow the drop-downs once those have theirs.
void CMainFrame::OnTextsChanged() {
    Languages().Reload();
    layout_.RefreshTexts();
    PostMessageA(m_hWnd, kItemTextsRefreshed, 0, 0);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

}  // namespace tavimo
