#include "child_painting.h"

#include <algorithm>
#include <vector>

#include "unique_handle.h"

namespace framework {
namespace {

using tavimo::UniqueBitmap;
using tavimo::UniqueMemoryDC;
using tavimo::UniqueRegion;

struct PlacedChild {
    HWND window;
    RECT place;  // in the parent's client area
};

// What the paint reaches: the parent's update region where it is visible,
// in client coordinates. Null when the DC cannot tell.
UniqueRegion PaintedRegion(HWND parent, HDC dc) {
    UniqueRegion painted(CreateRectRgn(0, 0, 0, 0));
    if (!painted || GetRandomRgn(dc, painted.get(), SYSRGN) != 1) {
        return {};
    }
    POINT origin = {0, 0};
    ClientToScreen(parent, &origin);  // the system region is in screen coordinates
    OffsetRgn(painted.get(), -origin.x, -origin.y);
    return painted;
}

// A standard control draws as if its client area began at the device's
// origin, so each child draws into the same scratch bitmap, which first
// receives what lies beneath the child: a transparent child shows its
// parent through.
void RenderChild(const PlacedChild& child, HDC scratch, HDC dc) {
    const int width = child.place.right - child.place.left;
    const int height = child.place.bottom - child.place.top;
    BitBlt(scratch, 0, 0, width, height, dc, child.place.left, child.place.top, SRCCOPY);
    const int saved = SaveDC(scratch);
    SendMessageA(child.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch), PRF_CLIENT);
    RestoreDC(scratch, saved);
    BitBlt(dc, child.place.left, child.place.top, width, height, scratch, 0, 0, SRCCOPY);
}

}  // namespace

void PaintChildWindows(HWND parent, HDC dc, std::span<const HWND> children) {
    // A parent that clips its children cannot draw them in its own DC.
    if ((GetWindowLongA(parent, GWL_STYLE) & WS_CLIPCHILDREN) != 0) {
        return;  // the children paint themselves
    }
    const UniqueRegion painted = PaintedRegion(parent, dc);
    if (!painted) {
        return;
    }
    std::vector<PlacedChild> reached;
    SIZE largest = {0, 0};
    for (const HWND child : children) {
        PlacedChild placed = {child, {}};
        if ((GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) == 0 ||
            !GetWindowRect(child, &placed.place)) {
            continue;
        }
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&placed.place), 2);
        if (RectInRegion(painted.get(), &placed.place)) {
            largest.cx = std::max(largest.cx, placed.place.right - placed.place.left);
            largest.cy = std::max(largest.cy, placed.place.bottom - placed.place.top);
            reached.push_back(placed);
        }
    }
    if (!reached.empty()) {
        const UniqueMemoryDC scratch(CreateCompatibleDC(dc));
        const UniqueBitmap image(CreateCompatibleBitmap(dc, largest.cx, largest.cy));
        if (!scratch || !image) {
            return;
        }
        const HGDIOBJ previous = SelectObject(scratch.get(), image.get());
        for (const PlacedChild& child : reached) {
            RenderChild(child, scratch.get(), dc);
        }
        SelectObject(scratch.get(), previous);
    }
    // Exactly what reached the screen is up to date in the children now.
    RedrawWindow(parent, nullptr, painted.get(),
                 RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
}

}  // namespace framework
