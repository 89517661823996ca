#include "tavimo_app.h"

#include "language_table.h"
#include "main_frame.h"

namespace tavimo {

BOOL CTavimoApp::InitInstance() {
    // An empty title would match any untitled window.
    const std::string title = Languages().Text(kApplicationTitleId);
    if (HWND running = title.empty() ? nullptr : FindWindowA(nullptr, title.c_str())) {
        if (IsIconic(running)) {
            ShowWindow(running, SW_RESTORE);
        }
        SetForegroundWindow(running);
        return FALSE;
    }
    auto frame = std::make_unique<CMainFrame>(devices_, desktop_);
    CMainFrame* created = frame.get();
    m_pMainWnd = std::move(frame);
    if (!created->LoadFrame(kFrameResourceId, WS_POPUP | WS_SYSMENU)) {
        // No layout could be shown: end without a window.
        m_pMainWnd.reset();
        SetExitCode(1);
        return FALSE;
    }
    ShowWindow(created->GetSafeHwnd(), SW_SHOW);
    UpdateWindow(created->GetSafeHwnd());
    return TRUE;
}

}  // namespace tavimo
