// CSubclassWnd: a hook in front of a window's procedure. The hooks of one
// window form a chain, the newest first, found through a process-wide map
// from window to its newest hook; after the last hook the window's own
// procedure runs. A hook sees every message of its window until it is taken
// off or the window is destroyed, which takes off every hook of the window.
#pragma once

#include <windows.h>

namespace tray {

class CSubclassWnd {
public:
    CSubclassWnd() = default;
    virtual ~CSubclassWnd() { Unhook(); }
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;

    // Puts this hook at the front of window's chain. false for a null
    // window, a hook that already sits on a window, or a window whose
    // procedure cannot be replaced.
    bool Hook(HWND window);
    // Takes this hook out of its chain; the window gets its own procedure
    // back when no hook is left. Nothing for a hook on no window.
    void Unhook();
    HWND Hooked() const { return window_; }

protected:
    // Sees each message of the hooked window; by default passes it on.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The next hook of the chain, or the window's own procedure after the
    // last. 0 once the hook is off its window.
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK HookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC windowProcedure_ = nullptr;
    CSubclassWnd* next_ = nullptr;
};

}  // namespace tray
