// A top-level frame window: caption and icon from one resource id, the style
// adjusted by PreCreateWindow, and the program's message loop ended when the
// main frame goes away.
#pragma once

#include "window.h"

namespace framework {

class CFrameWnd : public CWnd {
public:
    // Creates the frame: caption = the first newline-separated field of
    // string resourceId, icon = icon resourceId. FALSE when creation failed.
    BOOL LoadFrame(UINT resourceId, DWORD style, HWND parent = nullptr);

protected:
    // May change the creation parameters; FALSE cancels the creation.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& create);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace framework
