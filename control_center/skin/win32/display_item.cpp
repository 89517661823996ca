#include "display_item.h"

namespace skin {

DisplayItem::~DisplayItem() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void DisplayItem::Show(bool show) const {
    ShowWindow(window_, show ? SW_SHOW : SW_HIDE);
}

bool DisplayItem::CreateControl(const char* className, DWORD style, HWND owner, int x, int y,
                                Size size) {
    window_ = CreateWindowExA(0, className, "", WS_CHILD | style, x, y, size.width, size.height,
                              owner, reinterpret_cast<HMENU>(static_cast<INT_PTR>(elementId_)),
                              GetModuleHandleA(nullptr), nullptr);
    return window_ != nullptr;
}

HBITMAP DisplayItem::Keep(tavimo::UniqueBitmap bitmap) {
    const HBITMAP handle = bitmap.get();
    if (handle != nullptr) {
        bitmaps_.push_back(std::move(bitmap));
    }
    return handle;
}

}  // namespace skin
