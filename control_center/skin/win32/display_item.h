// What every display item shares: its element id (also its window's control
// id), its window (a hidden child of the main frame until its control set is
// shown), and the bitmaps it loaded, which it owns.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "layout_doc.h"
#include "panel_stack.h"
#include "unique_handle.h"

namespace skin {

class DisplayItem {
public:
    virtual ~DisplayItem();
    DisplayItem(const DisplayItem&) = delete;
    DisplayItem& operator=(const DisplayItem&) = delete;

    int ElementId() const { return elementId_; }
    HWND Window() const { return window_; }
    void Show(bool show) const;

protected:
    explicit DisplayItem(int elementId) : elementId_(elementId) {}

    // Creates a standard control as this item's window: hidden, a child of
    // owner, with the element id as control id.
    bool CreateControl(const char* className, DWORD style, HWND owner, int x, int y, Size size);

    // Keeps a bitmap for the item's lifetime; returns its handle (null for none).
    HBITMAP Keep(tavimo::UniqueBitmap bitmap);

private:
    int elementId_;
    HWND window_ = nullptr;
    // Released after the window is gone (the base's members outlive the
    // destructor body that destroys the window).
    std::vector<tavimo::UniqueBitmap> bitmaps_;
};

// Builds the item an element line names (the type by exact name) at (x, y)
// of owner's client area; null when the line fails (unknown type, too few
// values, no window).
std::unique_ptr<DisplayItem> CreateDisplayItem(const LayoutEntry& entry, HWND owner, int x, int y);

}  // namespace skin
