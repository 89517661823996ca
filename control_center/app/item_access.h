// How the controller reaches the display items of the current layout: by
// element id on the frame, as the item type it expects. An item that is
// missing, or of another type, is null and skipped by the caller.
#pragma once

#include <windows.h>

#include "display_item.h"

namespace tavimo {

template <typename Item>
Item* FindItem(HWND frame, int elementId) {
    const HWND window = GetDlgItem(frame, elementId);
    return window != nullptr ? dynamic_cast<Item*>(skin::DisplayItem::FromWindow(window)) : nullptr;
}

}  // namespace tavimo
