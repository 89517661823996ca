// DIButton: the skin's push button. A bitmap that changes when pressed, with
// an optional centred label; plain, toggle (checked look = pressed bitmap)
// or auto-repeat (fires every 200 ms while held).
#pragma once

#include <string>

#include "display_item.h"
#include "layout_fields.h"

namespace skin {

class DIButton : public DisplayItem {
public:
    static constexpr DWORD kRepeatMs = 200;

    // Values: type, x, y, toggle, auto-repeat, normal bitmap, pressed bitmap;
    // from 13 values on also face, height, bold, label colour, second
    // colour, label.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    bool IsChecked() const { return checked_; }
    // Toggle buttons only; repaints.
    void SetChecked(bool checked);

    bool OnDrawItem(const DRAWITEMSTRUCT& draw) override;
    void OnClicked() override;

    // The bitmap for a draw state (ODS_ flags).
    HBITMAP BitmapFor(UINT state) const;
    // The label as shown: a "#id" reference in the current language; empty
    // when the button has none.
    std::string ShownText() const;
    // The extent of the shown label in the button's font.
    Size TextExtent() const;

private:
    using DisplayItem::DisplayItem;
    static LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs while the button is held: dispatches the thread's messages and
    // posts a repeat at every 200 ms mark, until the button is released or
    // no longer held.
    LRESULT RepeatWhileHeld(LRESULT pressResult);
    static bool IsHeld(HWND button);

    bool toggle_ = false;
    bool autoRepeat_ = false;
    bool checked_ = false;
    HBITMAP normal_ = nullptr;
    HBITMAP pressed_ = nullptr;
    std::string label_;
    FontSpec font_;
    COLORREF labelColour_ = 0;
    WNDPROC buttonProc_ = nullptr;
};

}  // namespace skin
