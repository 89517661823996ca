#include "gen_text.h"

#include "item_text.h"

namespace skin {

std::unique_ptr<DisplayItem> GenText::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                             BitmapCache&) {
    std::unique_ptr<GenText> item(new GenText(ReadNumber(entry.Key())));
    item->transparent_ = ReadFlag(entry.Value(3));
    item->font_ = ReadFont(entry.Value(4), entry.Value(5), entry.Value(6));
    item->textColour_ = ReadColour(entry.Value(7));
    item->backColour_ = ReadColour(entry.Value(8));
    item->written_ = entry.Value(9);
    if (!item->CreateItemWindow(owner, x, y, item->Measure())) {
        return nullptr;
    }
    return item;
}

std::string GenText::ShownText() const {
    return ResolveText(written_);
}

Size GenText::Measure() const {
    return font_.HasFont() ? MeasureText(ShownText(), font_) : Size{};
}

void GenText::Refit() {
    const Size size = Measure();
    if (size.IsEmpty()) {
        return;
    }
    RECT rect;
    GetWindowRect(m_hWnd, &rect);
    MapWindowPoints(nullptr, GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 1);
    Place(rect.left, rect.top, size);
}

void GenText::SetText(std::string_view written) {
    written_ = written;
    Refit();
    Redraw();
}

namespace {

// Has the parent paint its face into dc beneath window: what a transparent
// label shows around and behind its text. Without it a new text would land
// on the pixels of the old one, which nothing erases.
void PaintParentBeneath(HWND window, const RECT& client, HDC dc) {
    const HWND parent = GetParent(window);
    if (parent == nullptr) {
        return;
    }
    POINT corner = {0, 0};
    MapWindowPoints(window, parent, &corner, 1);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    OffsetViewportOrgEx(dc, -corner.x, -corner.y, nullptr);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
}

}  // namespace

void GenText::Paint(HDC dc) const {
    if (transparent_) {
        PaintParentBeneath(m_hWnd, Area(), dc);
    }
    const std::string text = ShownText();
    if (text.empty()) {
        return;
    }
    const ScopedFont selected(dc, font_);
    const COLORREF previousText = SetTextColor(dc, textColour_);
    const COLORREF previousBack = SetBkColor(dc, backColour_);
    const int previousMode = SetBkMode(dc, transparent_ ? TRANSPARENT : OPAQUE);
    TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    SetBkMode(dc, previousMode);
    SetBkColor(dc, previousBack);
    SetTextColor(dc, previousText);
}

LRESULT GenText::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kItemsRefresh) {
        Refit();
        return 0;
    }
    return DisplayItem::WindowProc(message, wParam, lParam);
}

}  // namespace skin
