// Loading the skin's bitmaps: resources of the program or files, always as
// DIB sections at their own size.
#pragma once

#include <windows.h>

#include "layout_fields.h"
#include "panel_stack.h"
#include "unique_handle.h"

namespace skin {

// The bitmap a field names; empty when there is none or it cannot be loaded.
tavimo::UniqueBitmap LoadSkinBitmap(const BitmapRef& ref);

// Width and height of a bitmap; empty for none.
Size BitmapSize(HBITMAP bitmap);

// Copies the whole bitmap to (x, y) of dc at its own size (SRCCOPY).
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

}  // namespace skin
