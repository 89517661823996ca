#include "tavimo_app.h"

#include "language_table.h"
#include "library_function.h"
#include "main_frame.h"

namespace tavimo {
namespace {

// The control center takes no typed text, so its thread needs no input
// method: without one it makes no input-method window and loads nothing
// for it (under Wine, the COM libraries). This must come before the thread's
// first top-level window. Where imm32 has no such function, nothing changes.
void DoWithoutInputMethod() {
    using DisableFunction = BOOL(WINAPI*)(DWORD);
    const auto disable =
        LibraryFunction<DisableFunction>(GetModuleHandleA("imm32.dll"), "ImmDisableIME");
    if (disable != nullptr) {
        disable(0);  // this thread
    }
}

}  // namespace

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
    DoWithoutInputMethod();
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
