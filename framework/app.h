// The application object: one per program. WinMain hands control to Run,
// which calls InitInstance and, when it succeeds, runs the message loop until
// WM_QUIT.
#pragma once

#include <windows.h>

#include <memory>

#include "window.h"

namespace framework {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program at once, without a message loop.
    virtual BOOL InitInstance() = 0;

    // InitInstance, then the message loop; returns the exit code.
    int Run();

    CWnd* MainWnd() const { return m_pMainWnd.get(); }
    static CWinApp* Current() { return current_; }

    // The main window is gone: the message loop ends.
    void OnMainWindowGone();
    // A modal loop of the system may take the WM_QUIT that the main window's
    // end posted while the loop ran (a tracked menu does under Wine), and
    // the program would then wait for ever. Called after such a loop, this
    // posts it again when the main window is gone.
    static void AfterModalLoop();

protected:
    // The exit code when InitInstance fails (0 unless set).
    void SetExitCode(int code) { exitCode_ = code; }

    std::unique_ptr<CWnd> m_pMainWnd;

private:
    static CWinApp* current_;
    int exitCode_ = 0;
    bool mainWindowGone_ = false;
};

}  // namespace framework
