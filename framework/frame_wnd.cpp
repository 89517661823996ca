#include "frame_wnd.h"

#include <string>

#include "app.h"

namespace framework {
namespace {
constexpr char kFrameClass[] = "TavimoFrame";
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, HWND parent) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    char text[256] = {};
    LoadStringA(instance, resourceId, text, sizeof text);
    std::string caption(text);
    caption = caption.substr(0, caption.find('\n'));

    CREATESTRUCTA create = {};
    create.style = static_cast<LONG>(style);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.hwndParent = parent;
    if (!PreCreateWindow(create)) {
        return FALSE;
    }
    const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
    if (!CreateEx(create.dwExStyle, kFrameClass, caption.c_str(), static_cast<DWORD>(create.style),
                  create.x, create.y, create.cx, create.cy, create.hwndParent, create.hMenu)) {
        return FALSE;
    }
    if (icon != nullptr) {
        SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    }
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& create) {
    create.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The program ends with its main window.
    if (message == WM_NCDESTROY && CWinApp::Current() != nullptr &&
        CWinApp::Current()->MainWnd() == this) {
        PostQuitMessage(0);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace framework
