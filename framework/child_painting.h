// A parent that paints its child windows itself, in its own WM_PAINT: each
// visible child is rendered (WM_PRINTCLIENT) over what the parent has
// already drawn beneath it, and what reached the screen is validated in
// the children, so that they need no paint of their own. One paint pass
// for a window of many children instead of one per child. A child
// invalidated on its own still paints itself.
#pragma once

#include <windows.h>

#include <span>

namespace framework {

// Renders children into dc, the DC of parent's BeginPaint, after parent
// has drawn its own client area there. children must hold every visible
// child of parent, in the order in which they would paint themselves: where
// two overlap, the later one covers the earlier. A parent with
// WS_CLIPCHILDREN leaves its children to paint themselves.
void PaintChildWindows(HWND parent, HDC dc, std::span<const HWND> children);

}  // namespace framework
