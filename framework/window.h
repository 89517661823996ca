// A window is an object: CWnd registers its class, binds the object to its
// HWND when the window is created and forwards every message to the virtual
// WindowProc, which derived classes override to call short named handlers.
#pragma once

#include <windows.h>

namespace framework {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Creates the window with this object bound to it (class registered on
    // first use, named after className). FALSE when the window was not made.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId, UINT classStyle = 0);
    BOOL DestroyWindow();

protected:
    // Called for every message; the default passes it to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The last message of the window; the object is unbound after it.
    virtual void PostNcDestroy() {}

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(m_hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
};

// A window that draws itself from one routine, used for WM_PAINT and for
// WM_PRINTCLIENT alike (so that what it paints can be rendered into any DC),
// and that erases nothing: its painting covers what it must.
class CPaintedWnd : public CWnd {
public:
    virtual void Paint(HDC /*dc*/) const {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace framework
