// The factory over the element types of the layouts.
#include "cell_meters.h"
#include "di_button.h"
#include "di_dropdown.h"
#include "di_graphic.h"
#include "di_slider.h"
#include "di_tabs.h"
#include "display_item.h"
#include "gen_text.h"
#include "layout_rules.h"

namespace skin {

std::unique_ptr<DisplayItem> CreateDisplayItem(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps) {
    const ElementTypeInfo* type = FindElementType(entry.Value(0));
    if (type == nullptr || entry.Values().size() < type->minValues) {
        return nullptr;
    }
    switch (type->type) {
        case ElementType::GenText:
            return GenText::Create(entry, owner, x, y, bitmaps);
        case ElementType::DIGraphic:
            return DIGraphic::Create(entry, owner, x, y, bitmaps);
        case ElementType::DIButton:
            return DIButton::Create(entry, owner, x, y, bitmaps);
        case ElementType::CellRow:
            return CellRow::Create(entry, owner, x, y, bitmaps);
        case ElementType::CellArray:
            return CellArray::Create(entry, owner, x, y, bitmaps);
        case ElementType::DISlider:
            return DISlider::Create(entry, owner, x, y, bitmaps);
        case ElementType::DITabCtl:
            return DITabCtl::Create(entry, owner, x, y, bitmaps);
        case ElementType::TabItem:
            return TabItem::Create(entry, owner, x, y, bitmaps);
        case ElementType::DIDropDown:
            return DIDropDown::Create(entry, owner, x, y, bitmaps);
        case ElementType::DropDownItem:
            break;  // an entry of its drop-down, not an item of the set
    }
    return nullptr;
}

}  // namespace skin
