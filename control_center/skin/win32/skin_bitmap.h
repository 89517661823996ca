// The skin's bitmaps: resources of the program or files, always loaded as
// DIB sections at their own size, once per layout.
#pragma once

#include <windows.h>

#include <vector>

#include "layout_fields.h"
#include "panel_stack.h"
#include "unique_handle.h"

namespace skin {

// The bitmaps of one layout. Each bitmap a field names is loaded once and
// lent to every panel and item that shows it; all of them are deleted when
// the cache is cleared or destroyed, so the cache must outlive the items.
class BitmapCache {
public:
    BitmapCache() = default;
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;

    // The bitmap a field names; null when there is none or it cannot be
    // loaded (which is remembered, not tried again).
    HBITMAP Get(const BitmapRef& ref);
    void Clear() { loaded_.clear(); }

private:
    struct Loaded {
        BitmapRef ref;
        tavimo::UniqueBitmap bitmap;
    };
    std::vector<Loaded> loaded_;
};

// Width and height of a bitmap; empty for none.
Size BitmapSize(HBITMAP bitmap);

// Copies the whole bitmap to (x, y) of dc at its own size (SRCCOPY).
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

}  // namespace skin
