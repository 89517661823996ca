#include "di_graphic.h"

#include "skin_bitmap.h"

namespace skin {

std::unique_ptr<DisplayItem> DIGraphic::Create(const LayoutEntry& entry, HWND owner, int x, int y) {
    std::unique_ptr<DIGraphic> item(new DIGraphic(ReadNumber(entry.Key())));
    const HBITMAP bitmap =
        item->Keep(LoadSkinBitmap(BitmapFields(entry.Value(3)).Read(entry.Value(3))));
    if (!item->CreateControl("STATIC", SS_BITMAP, "", owner, x, y, BitmapSize(bitmap))) {
        return nullptr;
    }
    SendMessageA(item->Window(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    return item;
}

}  // namespace skin
