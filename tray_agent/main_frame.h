// CMainFrame: the agent's hidden main window. It owns the tray icon, shows
// a trace of the icon's mouse events, answers the icon's menu, loads the
// language library, and restores the headset after a standby. WM_CLOSE only
// hides it; the exit command, WM_TRAY_EXIT and the close-window message end
// the agent.
#pragma once

#include <functional>

#include "frame_wnd.h"
#include "headset_restore.h"
#include "language_library.h"
#include "power_broadcast.h"
#include "tray_icon.h"

namespace tray {

class CMainFrame : public framework::CFrameWnd {
public:
    // destroyed runs when the window is destroyed, as the agent ends.
    CMainFrame(const RestoreDevices& devices, LanguageLibrary& language,
               std::function<void()> destroyed);

    bool FirstIcon() const { return firstIcon_; }
    // What the last language load and restore found.
    const RestoreFields& Fields() const { return fields_; }
    int SuspendCount() const { return power_.Count(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCreate();
    void OnCommand(UINT id);
    void OnInitMenuPopup(HMENU menu) const;
    // The status bar is made when the window first shows: the agent's
    // window stays hidden, and the common controls would cost more memory
    // than the rest of the agent.
    void ShowStatusBar();
    void LayOut() const;
    bool TraceHasText() const;
    void AppendTrace(WPARAM id, LPARAM event) const;
    bool LoadLanguageLibrary();
    void OpenControlCenter() const;
    void Exit();

    RestoreDevices devices_;
    LanguageLibrary& language_;
    std::function<void()> destroyed_;
    HWND statusBar_ = nullptr;
    HWND trace_ = nullptr;
    CTrayIcon trayIcon_;
    bool firstIcon_ = true;
    bool exiting_ = false;
    bool showNotifications_ = true;
    RestoreFields fields_;
    PowerBroadcast power_;
};

}  // namespace tray
