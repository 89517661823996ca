// What every display item shares: its element id (also its window's control
// id) and its window (a hidden child of the main frame until its control set
// is shown). The bitmaps an item shows are lent by its layout's cache.
//
// An item's window is made without a size and takes the size its type
// computed when it is first shown: under Wine every sized window costs its
// display driver three server round trips at each change, and most of a
// layout's items are made and placed while nothing shows them. Items draw
// and hit-test in their Area(), so that a hidden item renders whole.
//
// Custom-drawn items have a window of the skin's own class and paint from
// one routine that WM_PAINT and WM_PRINTCLIENT share. Buttons and graphics
// are standard controls; the frame reflects their notifications back to the
// item, which it finds from the control's window.
#pragma once

#include <windows.h>

#include <memory>

#include "layout_doc.h"
#include "panel_stack.h"
#include "skin_bitmap.h"
#include "window.h"

namespace skin {

// Messages between items and the frame.
inline constexpr UINT kSliderMovedH = WM_USER + 48;
inline constexpr UINT kSliderMovedV = WM_USER + 49;
inline constexpr UINT kTabClicked = WM_USER + 16;
inline constexpr UINT kDropDownPicked = WM_USER + 32;
inline constexpr UINT kItemsRefresh = WM_USER + 100;

class DisplayItem : public framework::CPaintedWnd {
public:
    ~DisplayItem() override;

    int ElementId() const { return elementId_; }
    HWND Window() const { return m_hWnd; }
    // Shows the window (at its size, from the first time on) or hides it.
    void Show(bool show);
    // The size its type computed, which the window has once first shown.
    Size ItemSize() const { return size_; }
    // (0, 0) to ItemSize(): where the item draws and takes the mouse.
    RECT Area() const { return {0, 0, size_.width, size_.height}; }

    // The item whose window (a custom item's or a standard control's) this is.
    static DisplayItem* FromWindow(HWND window);

    // Notifications of standard controls, reflected by the frame.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*draw*/) { return false; }
    virtual void OnClicked() {}

protected:
    explicit DisplayItem(int elementId) : elementId_(elementId) {}

    // A window of the skin's item class (double clicks delivered, no
    // background), hidden, a child of owner with the element id as id.
    bool CreateItemWindow(HWND owner, int x, int y, Size size);
    // A standard control as this item's window, likewise.
    bool CreateControl(const char* className, DWORD style, const char* text, HWND owner, int x,
                       int y, Size size);
    // Has the window painted afresh, unless it or its owner does not show
    // (showing either paints it then).
    void Redraw() const;
    // Puts the window's corner at (x, y) of the owner and gives the item
    // size: the window takes it now when it has its size already, otherwise
    // when first shown.
    void Place(int x, int y, Size size);

    // Posts to the parent window, when there is one.
    void PostToParent(UINT message, WPARAM wParam, LPARAM lParam) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int elementId_;
    Size size_;
    bool sized_ = false;  // the window has taken the item's size
};

// Builds the item an element line names (the type by exact name) at (x, y)
// of owner's client area, with its bitmaps from the cache, which must
// outlive the item; null when the line fails (unknown type, too few values,
// no window).
std::unique_ptr<DisplayItem> CreateDisplayItem(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

}  // namespace skin
