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

}  // namespace

DisplayItem::~DisplayItem() {
    if (m_hWnd != nullptr) {
        ItemsByWindow().erase(m_hWnd);
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;  // a standard control's window is not unbound by its messages
    }
}

void DisplayItem::Show(bool show) const {
    ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

DisplayItem* DisplayItem::FromWindow(HWND window) {
    const auto& items = ItemsByWindow();
    const auto found = items.find(window);
    return found != items.end() ? found->second : nullptr;
}

bool DisplayItem::CreateItemWindow(HWND owner, int x, int y, Size size) {
    if (!CreateEx(0, kItemClass, "", WS_CHILD, x, y, size.width, size.height, owner,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(elementId_)), CS_DBLCLKS)) {
        return false;
    }
    ItemsByWindow()[m_hWnd] = this;
    return true;
}

bool DisplayItem::CreateControl(const char* className, DWORD style, const char* text, HWND owner,
                                int x, int y, Size size) {
    m_hWnd = CreateWindowExA(0, className, text, WS_CHILD | style, x, y, size.width, size.height,
                             owner, reinterpret_cast<HMENU>(static_cast<INT_PTR>(elementId_)),
                             GetModuleHandleA(nullptr), nullptr);
    if (m_hWnd == nullptr) {
        return false;
    }
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
