// A top-level frame window: caption and icon from one resource id, the style
// adjusted by PreCreateWindow, and the program's message loop ended when the
// main frame goes away.
#pragma once

#include "unique_handle.h"
#include "window.h"

namespace framework {

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    // The window goes before the icons it shows.
    ~CFrameWnd() override;

    // Creates the frame: caption = the first newline-separated field of
    // string resourceId; icons (large for Alt+Tab, small for the taskbar) =
    // the images of icon resourceId at the system's two icon sizes. FALSE
    // when creation failed.
    BOOL LoadFrame(UINT resourceId, DWORD style, HWND parent = nullptr);

protected:
    // May change the creation parameters; FALSE cancels the creation.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& create);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetIcons(UINT resourceId);

    tavimo::UniqueIcon bigIcon_;
    tavimo::UniqueIcon smallIcon_;
};

}  // namespace framework
