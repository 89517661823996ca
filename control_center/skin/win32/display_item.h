// What every display item shares: its element id (also its window's control
// id) and its window (a hidden child of the main frame until its control set
// is shown). The bitmaps an item shows are lent by its layout's cache.
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
    void Show(bool show) const;

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

    // Posts to the parent window, when there is one.
    void PostToParent(UINT message, WPARAM wParam, LPARAM lParam) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int elementId_;
};

// Builds the item an element line names (the type by exact name) at (x, y)
// of owner's client area, with its bitmaps from the cache, which must
// outlive the item; null when the line fails (unknown type, too few values,
// no window).
std::unique_ptr<DisplayItem> CreateDisplayItem(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

}  // namespace skin
