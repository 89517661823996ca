#include "display_item.h"

#include <unordered_map>

namespace skin {
namespace {

constexpr char kItemClass[] = "TavimoSkinItem";

// The items by their windows, custom and standard alike, kept by the
// user-interface thread that makes them: found without asking the system,
// as the frame does for every notification and a button's subclass for
// every message.
std::unordered_map<HWND, DisplayItem*>& ItemsByWindow() {
    static std::unordered_map<HWND, DisplayItem*> items;
    return items;
}

bool HasVisibleStyle(HWND window) {
    return window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Under a parent that does not show yet, a window that changes needs no
// redrawing: the parent's first paint draws it.
UINT QuietUnlessShown(HWND window) {
    return HasVisibleStyle(GetParent(window)) ? 0 : SWP_NOREDRAW | SWP_DEFERERASE | SWP_NOCOPYBITS;
}

}  // namespace

DisplayItem::~DisplayItem() {
    if (m_hWnd != nullptr) {
        ItemsByWindow().erase(m_hWnd);
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;  // a standard control's window is not unbound by its messages
    }
}

void DisplayItem::Show(bool show) {
    if (show && !sized_) {
        SetWindowPos(
            m_hWnd, nullptr, 0, 0, size_.width, size_.height,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | QuietUnlessShown(m_hWnd));
        sized_ = true;
        return;
    }
    ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

void DisplayItem::Redraw() const {
    if (HasVisibleStyle(m_hWnd) && HasVisibleStyle(GetParent(m_hWnd))) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void DisplayItem::Place(int x, int y, Size size) {
    size_ = size;
    if (sized_) {
        SetWindowPos(m_hWnd, nullptr, x, y, size.width, size.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | QuietUnlessShown(m_hWnd));
    } else {
        SetWindowPos(m_hWnd, nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
}

DisplayItem* DisplayItem::FromWindow(HWND window) {
    const auto& items = ItemsByWindow();
    const auto found = items.find(window);
    return found != items.end() ? found->second : nullptr;
}

bool DisplayItem::CreateItemWindow(HWND owner, int x, int y, Size size) {
    if (!CreateEx(0, kItemClass, "", WS_CHILD, x, y, 0, 0, owner,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(elementId_)), CS_DBLCLKS)) {
        return false;
    }
    size_ = size;
    ItemsByWindow()[m_hWnd] = this;
    return true;
}

bool DisplayItem::CreateControl(const char* className, DWORD style, const char* text, HWND owner,
                                int x, int y, Size size) {
    m_hWnd = CreateWindowExA(0, className, text, WS_CHILD | style, x, y, 0, 0, owner,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(elementId_)),
                             GetModuleHandleA(nullptr), nullptr);
    if (m_hWnd == nullptr) {
        return false;
    }
    size_ = size;
    ItemsByWindow()[m_hWnd] = this;
    return true;
}

void DisplayItem::PostToParent(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (HWND parent = GetParent(m_hWnd)) {
        PostMessageA(parent, message, wParam, lParam);
    }
}

LRESULT DisplayItem::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        ItemsByWindow().erase(m_hWnd);
    }
    if (message == WM_NCPAINT) {
        // No frame, so nothing outside the client area: the default handling
        // would only fetch a window DC to draw nothing.
        return 0;
    }
    return CPaintedWnd::WindowProc(message, wParam, lParam);
}

}  // namespace skin
