#include "di_graphic.h"

#include "skin_bitmap.h"

namespace skin {

std::unique_ptr<DisplayItem> DIGraphic::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps) {
    std::unique_ptr<DIGraphic> item(new DIGraphic(ReadNumber(entry.Key())));
    const HBITMAP bitmap = bitmaps.Get(BitmapFields(entry.Value(3)).Read(entry.Value(3)));
    // SS_NOTIFY: the graphic answers hit tests itself, so that a press on it
    // is not passed through to the frame, which would drag the window.
    if (!item->CreateControl("STATIC", SS_BITMAP | SS_NOTIFY, "", owner, x, y,
                             BitmapSize(bitmap))) {
        return nullptr;
    }
    SendMessageA(item->Window(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    return item;
}

}  // namespace skin
