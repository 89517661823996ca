#include "window.h"

#include <mutex>
#include <unordered_map>

namespace framework {
namespace {

// The objects bound to their windows, kept in the process rather than in
// the windows (GWLP_USERDATA), which would cost a call to the system for
// every window made. Each window's messages come on the thread that made
// it; the lock is for windows of several threads.
class WindowBindings {
public:
    void Bind(HWND window, CWnd* object) {
        const std::lock_guard<std::mutex> lock(mutex_);
        objects_[window] = object;
    }
    void Unbind(HWND window) {
        const std::lock_guard<std::mutex> lock(mutex_);
        objects_.erase(window);
    }
    CWnd* Find(HWND window) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = objects_.find(window);
        return found != objects_.end() ? found->second : nullptr;
    }

private:
    std::mutex mutex_;
    std::unordered_map<HWND, CWnd*> objects_;
};

// Never destroyed: a window may still go while the program's static
// objects are destroyed.
WindowBindings& BoundWindows() {
    static auto* bindings = new WindowBindings();
    return *bindings;
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId, UINT classStyle) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(instance, className, &existing)) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = classStyle;
        windowClass.lpfnWndProc = StaticWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (RegisterClassExA(&windowClass) == 0) {
            return FALSE;
        }
    }
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                           instance, this) != nullptr;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->m_hWnd = window;
        BoundWindows().Bind(window, self);
    } else {
        self = BoundWindows().Find(window);
    }
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const LRESULT result = self->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        BoundWindows().Unbind(window);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();
    }
    return result;
}

LRESULT CPaintedWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(m_hWnd, &paint);
            Paint(dc);
            EndPaint(m_hWnd, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

}  // namespace framework
