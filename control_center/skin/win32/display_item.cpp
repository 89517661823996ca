#include "display_item.h"

namespace skin {
namespace {
constexpr char kItemClass[] = "TavimoSkinItem";
// Marks the standard controls that belong to an item.
constexpr char kItemProperty[] = "TavimoSkinItem";
}  // namespace

DisplayItem::~DisplayItem() {
    if (m_hWnd != nullptr) {
        RemovePropA(m_hWnd, kItemProperty);
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;  // a standard control's window is not unbound by its messages
    }
}

void DisplayItem::Show(bool show) const {
    ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

DisplayItem* DisplayItem::FromWindow(HWND window) {
    return window != nullptr ? static_cast<DisplayItem*>(GetPropA(window, kItemProperty)) : nullptr;
}

bool DisplayItem::CreateItemWindow(HWND owner, int x, int y, Size size) {
    if (!CreateEx(0, kItemClass, "", WS_CHILD, x, y, size.width, size.height, owner,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(elementId_)), CS_DBLCLKS)) {
        return false;
    }
    SetPropA(m_hWnd, kItemProperty, this);
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
    SetPropA(m_hWnd, kItemProperty, this);
    return true;
}

void DisplayItem::PostToParent(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (HWND parent = GetParent(m_hWnd)) {
        PostMessageA(parent, message, wParam, lParam);
    }
}

LRESULT DisplayItem::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        RemovePropA(m_hWnd, kItemProperty);
    }
    return CPaintedWnd::WindowProc(message, wParam, lParam);
}

}  // namespace skin
