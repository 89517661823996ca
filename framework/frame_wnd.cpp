#include "frame_wnd.h"

#include <string>

#include "app.h"
#include "resource_source.h"

namespace framework {
namespace {
constexpr char kFrameClass[] = "TavimoFrame";

// The image of icon resourceId closest to the system icon size given by the
// metrics; null when the program has no such icon.
HICON LoadIconOfSize(UINT resourceId, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(ResourceSource(), MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

}  // namespace

CFrameWnd::~CFrameWnd() {
    DestroyWindow();
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, HWND parent) {
    char text[256] = {};
    LoadStringA(ResourceSource(), resourceId, text, sizeof text);
    std::string caption(text);
    caption = caption.substr(0, caption.find('\n'));

    CREATESTRUCTA create = {};
    create.style = static_cast<LONG>(style);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.hwndParent = parent;
    if (!PreCreateWindow(create)) {
        return FALSE;
    }
    if (!CreateEx(create.dwExStyle, kFrameClass, caption.c_str(), static_cast<DWORD>(create.style),
                  create.x, create.y, create.cx, create.cy, create.hwndParent, create.hMenu)) {
        return FALSE;
    }
    SetIcons(resourceId);
    return TRUE;
}

void CFrameWnd::SetIcons(UINT resourceId) {
    bigIcon_.reset(LoadIconOfSize(resourceId, SM_CXICON, SM_CYICON));
    smallIcon_.reset(LoadIconOfSize(resourceId, SM_CXSMICON, SM_CYSMICON));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& create) {
    create.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The program ends with its main window.
    if (message == WM_NCDESTROY && CWinApp::Current() != nullptr &&
        CWinApp::Current()->MainWnd() == this) {
        CWinApp::Current()->OnMainWindowGone();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace framework
