#include "skin_bitmap.h"

namespace skin {

namespace {

tavimo::UniqueBitmap Load(const BitmapRef& ref) {
    HANDLE image = nullptr;
    if (ref.kind == BitmapRef::Kind::Resource && ref.resourceId > 0 && ref.resourceId <= 0xFFFF) {
        image = LoadImageA(GetModuleHandleA(nullptr),
                           MAKEINTRESOURCEA(static_cast<WORD>(ref.resourceId)), IMAGE_BITMAP, 0, 0,
                           LR_CREATEDIBSECTION);
    } else if (ref.kind == BitmapRef::Kind::File) {
        image = LoadImageA(nullptr, ref.path.c_str(), IMAGE_BITMAP, 0, 0,
                           LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    }
    return tavimo::UniqueBitmap(static_cast<HBITMAP>(image));
}

}  // namespace

HBITMAP BitmapCache::Get(const BitmapRef& ref) {
    if (ref.kind == BitmapRef::Kind::None) {
        return nullptr;
    }
    for (const Loaded& loaded : loaded_) {
        if (loaded.ref == ref) {
            return loaded.bitmap.get();
        }
    }
    loaded_.push_back({ref, Load(ref)});
    return loaded_.back().bitmap.get();
}

Size BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) {
        return {};
    }
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    const Size size = BitmapSize(bitmap);
    if (size.IsEmpty()) {
        return;
    }
    const tavimo::UniqueMemoryDC memory(CreateCompatibleDC(dc));
    const tavimo::ScopedSelect select(memory.get(), bitmap);
    BitBlt(dc, x, y, size.width, size.height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
