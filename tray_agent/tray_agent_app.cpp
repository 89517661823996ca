#include "tray_agent_app.h"

#include <cstdlib>
#include <span>

#include "agent_command_line.h"
#include "agent_messages.h"
#include "main_frame.h"

namespace tray {

CTrayAgentApp::CTrayAgentApp(const RestoreDevices& devices)
    : devices_(devices), guard_(kFrameResource) {}

BOOL CTrayAgentApp::InitInstance() {
    SetExitCode(1);
    // The parameters after the program's name.
    const std::span<const char* const> parameters(
        __argv + (__argc > 0 ? 1 : 0), __argc > 1 ? static_cast<std::size_t>(__argc - 1) : 0);
    const CAgentCommandLineInfo commandLine = ParseAgentCommandLine(parameters);
    if (!guard_.Guard()) {
        if (commandLine.UnloadRequested()) {
            PostMessageA(HWND_BROADCAST, CloseWindowMessage(), GetCurrentProcessId(), 0);
        }
        return FALSE;
    }
    if (commandLine.UnloadRequested() || !language_.LoadDefault()) {
        return FALSE;
    }
    // A new agent may start as soon as this one's window is gone.
    auto frame = std::make_unique<CMainFrame>(devices_, language_, [this] { guard_.Release(); });
    CMainFrame* created = frame.get();
    m_pMainWnd = std::move(frame);
    if (!created->LoadFrame(kFrameResource, WS_OVERLAPPEDWINDOW)) {
        m_pMainWnd.reset();
        return FALSE;
    }
    ShowWindow(created->GetSafeHwnd(), SW_HIDE);
    UpdateWindow(created->GetSafeHwnd());
    return TRUE;
}

}  // namespace tray
