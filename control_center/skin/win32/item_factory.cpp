// The factory over the element types of the layouts.
#include "di_graphic.h"
#include "display_item.h"
#include "layout_rules.h"

namespace skin {

std::unique_ptr<DisplayItem> CreateDisplayItem(const LayoutEntry& entry, HWND owner, int x, int y) {
    const ElementTypeInfo* type = FindElementType(entry.Value(0));
    if (type == nullptr || entry.values.size() < type->minValues) {
        return nullptr;
    }
    switch (type->type) {
        case ElementType::DIGraphic:
            return DIGraphic::Create(entry, owner, x, y);
        default:
            return nullptr;  // types whose items are not built yet
    }
}

}  // namespace skin
