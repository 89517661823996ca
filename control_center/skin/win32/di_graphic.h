// DIGraphic: a fixed bitmap (a logo, an indicator frame) shown by a static
// control.
#pragma once

#include "display_item.h"

namespace skin {

class DIGraphic : public DisplayItem {
public:
    // Values: type, x, y, bitmap.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

private:
    using DisplayItem::DisplayItem;
};

}  // namespace skin
