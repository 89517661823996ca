#include "di_button.h"

#include <algorithm>

#include "item_text.h"
#include "skin_bitmap.h"

namespace skin {

std::unique_ptr<DisplayItem> DIButton::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                              BitmapCache& bitmaps) {
    std::unique_ptr<DIButton> item(new DIButton(ReadNumber(entry.Key())));
    if (entry.Values().size() >= 13) {
        item->labelColour_ = ReadColour(entry.Value(10));
        item->label_ = entry.Value(12);
        if (!item->label_.empty() && !entry.Value(7).empty()) {
            item->font_ = ReadFont(entry.Value(7), entry.Value(8), entry.Value(9));
        }
    }
    item->toggle_ = ReadFlag(entry.Value(3));
    item->autoRepeat_ = ReadFlag(entry.Value(4));
    const BitmapFields fields(entry.Value(5));
    item->normal_ = bitmaps.Get(fields.Read(entry.Value(5)));
    item->pressed_ = bitmaps.Get(fields.Read(entry.Value(6)));
    const Size normal = BitmapSize(item->normal_);
    const Size pressed = BitmapSize(item->pressed_);
    const Size size{std::max(normal.width, pressed.width), std::max(normal.height, pressed.height)};
    if (!item->CreateControl("BUTTON", BS_OWNERDRAW, item->label_.c_str(), owner, x, y, size)) {
        return nullptr;
    }
    if (item->autoRepeat_) {
        item->buttonProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            item->Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc)));
    }
    return item;
}

void DIButton::SetChecked(bool checked) {
    if (toggle_) {
        checked_ = checked;
        Redraw();
    }
}

HBITMAP DIButton::BitmapFor(UINT state) const {
    bool usePressed = false;
    if ((state & ODS_SELECTED) != 0) {
        usePressed = !(toggle_ && checked_);  // pressing a checked toggle previews unchecking
    } else if ((state & (ODS_DISABLED | ODS_GRAYED)) == 0) {
        usePressed = toggle_ && checked_;
    }
    return usePressed && pressed_ != nullptr ? pressed_ : normal_;
}

std::string DIButton::ShownText() const {
    return ResolveText(label_);
}

Size DIButton::TextExtent() const {
    return MeasureText(ShownText(), font_);
}

bool DIButton::OnDrawItem(const DRAWITEMSTRUCT& draw) {
    const HBITMAP bitmap = BitmapFor(draw.itemState);
    if (bitmap == nullptr) {
        return true;
    }
    DrawBitmap(draw.hDC, bitmap, 0, 0);
    const Size size = BitmapSize(bitmap);
    DrawCentredText(draw.hDC, {0, 0, size.width, size.height}, ShownText(), labelColour_, font_);
    return true;
}

void DIButton::OnClicked() {
    if (toggle_) {
        checked_ = !checked_;
        Redraw();
    }
    PostToParent(WM_COMMAND, static_cast<WPARAM>(ElementId()), 0);
}

LRESULT CALLBACK DIButton::ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<DIButton*>(FromWindow(window));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const LRESULT result = CallWindowProcA(self->buttonProc_, window, message, wParam, lParam);
    return message == WM_LBUTTONDOWN ? self->RepeatWhileHeld(result) : result;
}

// A hold lasts while the button keeps the mouse, stays enabled and its
// window stays active: losing any of them releases the button as far as
// the repeats go, wherever the mouse button itself comes up.
bool DIButton::IsHeld(HWND button) {
    return GetCapture() == button && IsWindowEnabled(button) &&
           GetActiveWindow() == GetAncestor(button, GA_ROOT);
}

LRESULT DIButton::RepeatWhileHeld(LRESULT pressResult) {
    // The item may go away with its window while messages are dispatched:
    // after each dispatch only the window handle is looked at until the
    // window is known to exist.
    const HWND button = m_hWnd;
    DWORD lastPost = GetTickCount();
    LRESULT result = pressResult;
    while (IsHeld(button)) {
        const DWORD sinceLast = GetTickCount() - lastPost;
        if (sinceLast >= kRepeatMs) {
            lastPost = GetTickCount();
            PostToParent(WM_COMMAND, static_cast<WPARAM>(ElementId()), 0);
            continue;
        }
        // Sleep until a message comes or the next 200 ms mark.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kRepeatMs - sinceLast, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
                return result;
            }
            const bool released = message.message == WM_LBUTTONUP && message.hwnd == button;
            TranslateMessage(&message);
            result = DispatchMessageA(&message);
            if (released || !IsWindow(button) || !IsHeld(button)) {
                return result;
            }
        }
    }
    return result;
}

}  // namespace skin
